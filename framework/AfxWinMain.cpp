// The program's entry point: WinMain runs the one global application object.
#include "framework/CWinApp.h"
#include "framework/CException.h"
#include "framework/CWnd.h"
#include <exception>

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    int nReturnCode = -1;
    try {
        if (pApp != nullptr && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) &&
            pApp->InitApplication())
        {
            if (!pApp->InitInstance()) {
                if (pApp->m_pMainWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
                nReturnCode = pApp->ExitInstance();
            } else {
                nReturnCode = pApp->Run();
            }
        }
    } catch (CException* e) {
        ::OutputDebugStringA("Lornival: exception left the application object\n");
        e->Delete();
    } catch (const std::exception& e) {
        ::OutputDebugStringA("Lornival: exception left the application object\n");
    } catch (...) {
        ::OutputDebugStringA("Lornival: exception left the application object\n");
    }
    AfxWinTerm();
    return nReturnCode;
}
