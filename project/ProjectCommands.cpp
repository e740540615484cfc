// The project commands of the main window: New, Open, Save and Save As.
#include "app/WendleDlg.h"

void CWendleDlg::OnNew() {}
void CWendleDlg::OnOpen() {}
void CWendleDlg::OnSave() {}
void CWendleDlg::OnSaveAs() {}
