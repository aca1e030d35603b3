#include "host_test_hooks.h"

// The newest boxes are kept; older ones drop out so a long fuzz run stays small.
enum { MAX_RECORDED = 64 };
static HostMessageBox recorded[MAX_RECORDED];
static int recordedCount;  // total since the last clear
static int answer = IDOK;

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style)
{
    HostMessageBox& box = recorded[recordedCount % MAX_RECORDED];
    box.owner = owner;
    UnitCopy(box.text, sizeof box.text / sizeof box.text[0], text != nullptr ? text : TEXT(""));
    box.hasCaption = caption != nullptr;
    UnitCopy(box.caption, sizeof box.caption / sizeof box.caption[0], caption != nullptr ? caption : TEXT(""));
    box.style = style;
    recordedCount++;
    return answer;
}

int HostMessageBoxCount()
{
    return recordedCount;
}

const HostMessageBox* HostMessageBoxAt(int i)
{
    if (i < 0 || i >= recordedCount || i < recordedCount - MAX_RECORDED)
        return nullptr;
    return &recorded[i % MAX_RECORDED];
}

void HostClearMessageBoxes()
{
    recordedCount = 0;
}

void HostSetMessageBoxAnswer(int value)
{
    answer = value;
}
