#include "open_address.h"

#include <string.h>

#include "maker_address.h"
#include "update_address.h"

#define WIDE_(s) L##s
#define WIDE(s) WIDE_(s)

// The server, the upgrade page, the product path and the version must fit
// the request's buffer; BuildUpdateAddress checks again at run time.
static_assert(sizeof(MAKER_SERVER) - 1 + 49 < UPDATE_ADDRESS_UNITS, "QM_MAKER_URL is too long for the update request");

ShellExecuteFunction shellExecute = ShellExecuteExW;

void OpenAddress(HWND owner, const WCHAR* address)
{
    SHELLEXECUTEINFOW info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"Open";
    info.lpFile = address;
    shellExecute(&info);
}

void OpenMakerPage(HWND owner)
{
    OpenAddress(owner, WIDE(MAKER_ADDRESS));
}

void RequestUpdate(HWND owner)
{
    WCHAR address[UPDATE_ADDRESS_UNITS];
    if (BuildUpdateAddress(address, UPDATE_ADDRESS_UNITS, WIDE(MAKER_SERVER)) > 0)
        OpenAddress(owner, address);
}
