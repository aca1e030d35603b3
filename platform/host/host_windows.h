// The Win32 names the engine uses, for the host (Linux) build. Written from
// what the engine expects of each call; each call's behaviour is documented
// next to its declaration where it differs from "does what Win32 does".
#pragma once

#include <stddef.h>
#include <stdint.h>

typedef char16_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int BOOL;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef DWORD COLORREF;
typedef void* LPVOID;
typedef const void* LPCVOID;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Opaque handles: distinct pointer types so that mixing them up does not compile.
#define QM_DECLARE_HANDLE(name) typedef struct name##__* name
QM_DECLARE_HANDLE(HINSTANCE);
QM_DECLARE_HANDLE(HWND);
QM_DECLARE_HANDLE(HRSRC);
QM_DECLARE_HANDLE(HDC);
QM_DECLARE_HANDLE(HFONT);
QM_DECLARE_HANDLE(HPEN);
QM_DECLARE_HANDLE(HBRUSH);
QM_DECLARE_HANDLE(HBITMAP);
QM_DECLARE_HANDLE(HKEY);
#undef QM_DECLARE_HANDLE
typedef HINSTANCE HMODULE;
typedef void* HANDLE;
typedef void* HGLOBAL;
typedef void* HGDIOBJ;

#define TEXT(s) u##s

#define MAKEINTRESOURCEW(i) ((LPWSTR)(uintptr_t)(WORD)(i))
#define IS_INTRESOURCE(p) ((((uintptr_t)(p)) >> 16) == 0)
#define RT_RCDATA MAKEINTRESOURCEW(10)

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
struct POINT {
    LONG x;
    LONG y;
};

// Resources of the program's own module. The host serves the same compiled
// data that the .rc file embeds (see host_resources.cpp); only integer ids
// are known. A null module means the program itself, as on Windows.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);

// Message boxes are recorded, not shown; the answer is scripted
// (host_test_hooks.h). Returns that answer, IDOK unless set otherwise.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNO 0x00000004u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONHAND 0x00000010u
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);

#include "host_gdi.h"

// The registry of the host build: kept in memory for the life of the
// process. Key paths and value names compare without regard to case.
#define HKEY_CURRENT_USER ((HKEY)(uintptr_t)0x80000001u)
#define KEY_READ 0x20019u
#define KEY_ALL_ACCESS 0xF003Fu
#define REG_NONE 0u
#define REG_SZ 1u
#define REG_BINARY 3u
#define REG_DWORD 4u
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_MORE_DATA 234L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_OUTOFMEMORY 14L
typedef DWORD REGSAM;
LONG RegOpenKeyExW(HKEY parent, LPCWSTR path, DWORD options, REGSAM access, HKEY* result);
LONG RegCreateKeyExW(HKEY parent, LPCWSTR path, DWORD reserved, LPWSTR className, DWORD options, REGSAM access,
                     void* security, HKEY* result, DWORD* disposition);
LONG RegQueryValueExW(HKEY key, LPCWSTR name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
LONG RegDeleteValueW(HKEY key, LPCWSTR name);
// Deletes the key and everything below it (the host registry has no rule
// against subkeys).
LONG RegDeleteKeyW(HKEY parent, LPCWSTR path);
LONG RegCloseKey(HKEY key);
