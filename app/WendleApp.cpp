#include "app/WendleApp.h"

#include "app/WendleDlg.h"

bool CWendleApp::InitInstance()
{
    QtFilePrompt prompt;
    QtMessages messages;
    ProfileStore profile(ProfileStore::DefaultPath());
    Services services{prompt, messages, profile};

    CWendleDlg dlg(services);
    dlg.exec();
    return false;
}
