#include "radio/RadioPanel.h"

#include "radio/RadioTexts.h"

void IRadioPanel::ShowResult(RadioCommand command, bool success)
{
    ShowStatus(RadioTexts::OperationStatus(*this, command, success), success);
}
