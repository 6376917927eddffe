#pragma once
// Clearing that reaches beyond the main window. The main window's own
// clearing is Frmmain::ClearOutputs and Frmmain::ClearRiserResults.

class QWidget;

namespace kestrin {

// Empties the ten count fields Txt1..Txt10 of the fittings dialog; the
// stored counts stay until that dialog's OK.
void ClearFittingCounts(QWidget* fittingDialog);

}  // namespace kestrin
