#include "dialog_template.h"

#include <gtest/gtest.h>

namespace {

// A bounds-checked cursor over the template's bytes.
struct Reader {
    const BYTE* data;
    size_t size;
    size_t at;
    bool bad;

    WORD Word()
    {
        if (at + 2 > size) {
            bad = true;
            return 0;
        }
        WORD w = (WORD)(data[at] | (data[at + 1] << 8));
        at += 2;
        return w;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | ((DWORD)Word() << 16);
    }
    void Align(size_t to)
    {
        at = (at + to - 1) / to * to;
    }
    std::wstring Text()
    {
        std::wstring s;
        for (WORD w = Word(); w != 0 && !bad; w = Word())
            s.push_back((wchar_t)w);
        return s;
    }
    // A string or 0xFFFF and an ordinal: ordinal is -1 for a string.
    std::wstring TextOrOrdinal(int* ordinal)
    {
        *ordinal = -1;
        if (at + 2 <= size && data[at] == 0xFF && data[at + 1] == 0xFF) {
            Word();
            *ordinal = Word();
            return std::wstring();
        }
        return Text();
    }
};

std::wstring ClassName(int atom, const std::wstring& name)
{
    switch (atom) {
    case 0x80: return L"BUTTON";
    case 0x81: return L"EDIT";
    case 0x82: return L"STATIC";
    case 0x83: return L"LISTBOX";
    case 0x84: return L"SCROLLBAR";
    case 0x85: return L"COMBOBOX";
    default: break;
    }
    std::wstring upper = name;
    for (wchar_t& c : upper)
        c = (wchar_t)towupper(c);
    return upper;
}

}  // namespace

DialogTemplateInfo ReadDialogTemplate(HINSTANCE instance, int id)
{
    DialogTemplateInfo info = {};
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const BYTE* data = loaded != nullptr ? (const BYTE*)LockResource(loaded) : nullptr;
    if (data == nullptr)
        return info;
    Reader r = {data, SizeofResource(instance, found), 0, false};

    int ordinal = -1;
    int count = 0;
    const WORD first = r.Word();
    const WORD second = r.Word();
    info.extended = first == 1 && second == 0xFFFF;
    if (info.extended) {
        r.Dword();  // help id
        info.exStyle = r.Dword();
        info.style = r.Dword();
    } else {
        info.style = first | ((DWORD)second << 16);
        info.exStyle = r.Dword();
    }
    count = r.Word();
    info.x = (short)r.Word();
    info.y = (short)r.Word();
    info.cx = (short)r.Word();
    info.cy = (short)r.Word();
    r.TextOrOrdinal(&ordinal);  // menu
    r.TextOrOrdinal(&ordinal);  // class
    info.title = r.Text();
    if (info.style & DS_SETFONT) {
        info.pointSize = r.Word();
        if (info.extended) {
            r.Word();  // weight
            r.Word();  // italic, character set
        }
        info.face = r.Text();
    }
    for (int i = 0; i < count && !r.bad; i++) {
        r.Align(4);
        TemplateControl c = {};
        if (info.extended) {
            r.Dword();  // help id
            c.exStyle = r.Dword();
            c.style = r.Dword();
        } else {
            c.style = r.Dword();
            c.exStyle = r.Dword();
        }
        c.x = (short)r.Word();
        c.y = (short)r.Word();
        c.cx = (short)r.Word();
        c.cy = (short)r.Word();
        c.id = info.extended ? (int)r.Dword() : (short)r.Word();
        int atom = -1;
        const std::wstring className = r.TextOrOrdinal(&atom);
        c.className = ClassName(atom, className);
        c.text = r.TextOrOrdinal(&c.textOrdinal);
        const WORD extra = r.Word();
        r.at += extra;
        info.controls.push_back(c);
    }
    info.found = !r.bad && r.at <= r.size;
    return info;
}

void ExpectControls(const DialogTemplateInfo& info, const ExpectedControl* expected, size_t count)
{
    ASSERT_EQ(info.controls.size(), count);
    for (size_t i = 0; i < count; i++) {
        const TemplateControl& got = info.controls[i];
        const ExpectedControl& e = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(got.id, e.id);
        EXPECT_EQ(got.className, e.className);
        EXPECT_EQ(got.text, e.text);
        EXPECT_EQ(got.textOrdinal, e.textOrdinal);
        EXPECT_EQ(got.style, e.style);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.x, e.x);
        EXPECT_EQ(got.y, e.y);
        EXPECT_EQ(got.cx, e.cx);
        EXPECT_EQ(got.cy, e.cy);
    }
}
