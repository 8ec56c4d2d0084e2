#pragma once

#include "radio/RadioPanel.h"

// The link rate list follows the selected protocol (ProtocolLinkRates).

// Replaces the link rate list with the protocol's offer and selects the
// offer's default; an index outside the table leaves the list empty.
void OfferLinkRates(IRadioPanel& panel, int protocolIndex);

// Selects the protocol by the list's rule. Whenever a protocol ends up
// selected, the link rate list is its offer, also when it was selected before
// (the list reports no "itemselect" then).
void SelectProtocol(IRadioPanel& panel, int index);
