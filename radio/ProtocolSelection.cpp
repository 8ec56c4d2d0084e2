#include "radio/ProtocolSelection.h"

#include "radio/RadioTables.h"

void OfferLinkRates(IRadioPanel& panel, int protocolIndex)
{
    panel.ClearList(RadioList::LinkBaud);
    if (protocolIndex < 0 || protocolIndex >= static_cast<int>(ProtocolLinkRates.size())) return;
    const LinkRateOffer& offer = ProtocolLinkRates[protocolIndex];
    for (int item = 0; item < offer.count; ++item) panel.AddListItem(RadioList::LinkBaud, offer.items[item]);
    panel.SelectListItem(RadioList::LinkBaud, offer.selected);
}

void SelectProtocol(IRadioPanel& panel, int index)
{
    const int before = panel.SelectedIndex(RadioList::Protocol);
    panel.SelectListItem(RadioList::Protocol, index);
    const int after = panel.SelectedIndex(RadioList::Protocol);
    if (after >= 0 && after == before) OfferLinkRates(panel, after);
}
