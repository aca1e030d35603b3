// An in-memory registry under HKEY_CURRENT_USER, enough for the settings:
// keys are paths, values typed byte blocks.
#include <stdlib.h>
#include <string.h>

#include <new>
#include <string>
#include <vector>

#include "host_windows.h"

namespace {

struct HostValue {
    std::u16string key;   // lower-case path
    std::u16string name;  // lower-case name
    DWORD type;
    std::vector<BYTE> data;
};

struct HostKey {
    std::u16string path;
};

std::vector<std::u16string> keys;
std::vector<HostValue> values;

std::u16string Lower(LPCWSTR s)
{
    std::u16string out;
    for (; s != nullptr && *s != 0; s++)
        out.push_back(*s >= 'A' && *s <= 'Z' ? (char16_t)(*s + 32) : *s);
    return out;
}

bool KeyExists(const std::u16string& path)
{
    for (const std::u16string& k : keys)
        if (k == path)
            return true;
    return false;
}

std::u16string FullPath(HKEY parent, LPCWSTR path)
{
    if (parent == HKEY_CURRENT_USER)
        return Lower(path);
    const HostKey* key = (const HostKey*)parent;
    std::u16string full = key->path;
    if (path != nullptr && *path != 0)
        full += u"\\" + Lower(path);
    return full;
}

bool ValidParent(HKEY parent)
{
    return parent != nullptr;
}

LONG Open(const std::u16string& path, HKEY* result)
{
    HostKey* key = new (std::nothrow) HostKey{path};
    if (key == nullptr)
        return ERROR_OUTOFMEMORY;
    *result = (HKEY)key;
    return ERROR_SUCCESS;
}

HostValue* FindValue(HKEY key, LPCWSTR name)
{
    const HostKey* k = (const HostKey*)key;
    const std::u16string n = Lower(name);
    for (HostValue& v : values)
        if (v.key == k->path && v.name == n)
            return &v;
    return nullptr;
}

}  // namespace

LONG RegOpenKeyExW(HKEY parent, LPCWSTR path, DWORD, REGSAM, HKEY* result)
{
    if (!ValidParent(parent) || result == nullptr)
        return ERROR_INVALID_PARAMETER;
    const std::u16string full = FullPath(parent, path);
    if (!KeyExists(full))
        return ERROR_FILE_NOT_FOUND;
    return Open(full, result);
}

LONG RegCreateKeyExW(HKEY parent, LPCWSTR path, DWORD, LPWSTR, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition)
{
    if (!ValidParent(parent) || result == nullptr)
        return ERROR_INVALID_PARAMETER;
    const std::u16string full = FullPath(parent, path);
    const bool existed = KeyExists(full);
    if (!existed) {
        // Every key on the way exists too.
        for (size_t i = 0; i <= full.size(); i++)
            if (i == full.size() || full[i] == u'\\')
                if (!KeyExists(full.substr(0, i)))
                    keys.push_back(full.substr(0, i));
    }
    if (disposition != nullptr)
        *disposition = existed ? 2 : 1;
    return Open(full, result);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR name, DWORD*, DWORD* type, BYTE* data, DWORD* size)
{
    if (key == nullptr || key == HKEY_CURRENT_USER || (data != nullptr && size == nullptr))
        return ERROR_INVALID_PARAMETER;
    const HostValue* v = FindValue(key, name);
    if (v == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (type != nullptr)
        *type = v->type;
    const DWORD needed = (DWORD)v->data.size();
    if (data != nullptr && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data != nullptr && needed > 0)
        memcpy(data, v->data.data(), needed);
    if (size != nullptr)
        *size = needed;
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    if (key == nullptr || key == HKEY_CURRENT_USER || (data == nullptr && size != 0))
        return ERROR_INVALID_PARAMETER;
    HostValue* v = FindValue(key, name);
    if (v == nullptr) {
        values.push_back(HostValue{((const HostKey*)key)->path, Lower(name), type, {}});
        v = &values.back();
    }
    v->type = type;
    v->data.assign(data, data + size);
    return ERROR_SUCCESS;
}

LONG RegDeleteValueW(HKEY key, LPCWSTR name)
{
    if (key == nullptr || key == HKEY_CURRENT_USER)
        return ERROR_INVALID_PARAMETER;
    const HostValue* v = FindValue(key, name);
    if (v == nullptr)
        return ERROR_FILE_NOT_FOUND;
    values.erase(values.begin() + (v - values.data()));
    return ERROR_SUCCESS;
}

LONG RegDeleteKeyW(HKEY parent, LPCWSTR path)
{
    if (!ValidParent(parent))
        return ERROR_INVALID_PARAMETER;
    const std::u16string full = FullPath(parent, path);
    if (!KeyExists(full))
        return ERROR_FILE_NOT_FOUND;
    auto below = [&](const std::u16string& p) {
        return p == full || (p.size() > full.size() && p.compare(0, full.size(), full) == 0 && p[full.size()] == u'\\');
    };
    for (size_t i = keys.size(); i-- > 0;)
        if (below(keys[i]))
            keys.erase(keys.begin() + (long)i);
    for (size_t i = values.size(); i-- > 0;)
        if (below(values[i].key))
            values.erase(values.begin() + (long)i);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (key == nullptr || key == HKEY_CURRENT_USER)
        return ERROR_INVALID_PARAMETER;
    delete (HostKey*)key;
    return ERROR_SUCCESS;
}
