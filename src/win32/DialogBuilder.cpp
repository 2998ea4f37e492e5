#include "win32/DialogBuilder.h"

#include <commctrl.h>

#include <string>
#include <string_view>

#include "form/ControlIds.h"
#include "form/DialogTemplate.h"
#include "form/WindowExtras.h"
#include "win32/Win32Text.h"
#include "window/WindowLayout.h"
#include "wording/WindowTexts.h"

namespace wifi {

namespace {

class Writer {
  public:
    std::vector<WORD> words;
    void Word(WORD w) { words.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void String(const std::wstring& s) {
        for (wchar_t c : s) {
            Word(static_cast<WORD>(c));
        }
        Word(0);
    }
    void AlignDword() {
        if (words.size() % 2) {
            Word(0);
        }
    }
};

struct Item {
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    int id;
    const wchar_t* windowClass;
    std::wstring text;
};

void WriteItem(Writer& out, const Item& item) {
    out.AlignDword();
    out.Dword(0);  // help id
    out.Dword(item.exStyle);
    out.Dword(item.style);
    for (int v : {item.x, item.y, item.cx, item.cy}) {
        out.Word(static_cast<WORD>(static_cast<short>(v)));
    }
    out.Dword(static_cast<DWORD>(item.id));
    out.String(item.windowClass);
    out.String(item.text);
    out.Word(0);  // no creation data
}

const wchar_t* ClassOf(ItemKind kind) {
    switch (kind) {
        case ItemKind::GroupBox:
        case ItemKind::CheckBox:
        case ItemKind::PushButton: return WC_BUTTONW;
        case ItemKind::Label:
        case ItemKind::Picture:
        case ItemKind::CommControl: return WC_STATICW;
        case ItemKind::DropList: return WC_COMBOBOXW;
        case ItemKind::Edit: return WC_EDITW;
        case ItemKind::IpAddress: return WC_IPADDRESSW;
    }
    return WC_STATICW;
}

}  // namespace

std::vector<WORD> BuildDialogTemplate() {
    const DialogTemplate& t = ConfigDialogTemplate(WindowLanguage());
    std::vector<Item> items;
    for (std::size_t index = 0; index < t.items.size(); ++index) {
        const DialogItem& d = t.items[index];
        if (d.id == IDC_SUBMIT) {
            // The menu button comes before submit, which stays last.
            items.push_back({WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                             kMenuButtonRect[0], kMenuButtonRect[1], kMenuButtonRect[2],
                             kMenuButtonRect[3], IDC_MENU_BUTTON, WC_BUTTONW, Ui(kMenuButton)});
        }
        DWORD style = d.style;
        if (d.kind == ItemKind::CommControl) {
            style &= ~static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP);  // its place is kept
        }
        if (d.id == IDC_COMPORT) {
            // Drawn by the window: closed, the short name (COM3); opened,
            // what each port is.
            style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
        }
        if (CheckBoxOfLabel(t, index)) {
            style |= SS_NOTIFY;  // a click on the caption ticks the box
        }
        if (d.kind == ItemKind::Label && (style & SS_TYPEMASK) == SS_LEFT) {
            // One line each: a caption a font draws wider is cut at its
            // end, not broken onto a line the label has no room for.
            style |= SS_LEFTNOWORDWRAP;
        }
        items.push_back({style, 0, d.x, d.y, d.width, d.height, d.id, ClassOf(d.kind),
                         d.text.empty() ? std::wstring() : Ui(d.text)});
        if (d.id == IDC_CONNECT) {
            // The encoding, in the connection's group, after its button.
            const int* label = EncodingLabelRect(WindowLanguage());
            const int* list = EncodingRect(WindowLanguage());
            items.push_back({WS_CHILD | WS_VISIBLE | SS_LEFT, 0, label[0], label[1], label[2],
                             label[3], IDC_ENCODING_LABEL, WC_STATICW, Ui(kEncodingLabel)});
            items.push_back({WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                             list[0], list[1], list[2], 40, IDC_ENCODING, WC_COMBOBOXW, L""});
        }
    }
    // What does not fit ends in an ellipsis; a click shows all of it.
    items.push_back({WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_NOTIFY | SS_WORDELLIPSIS, 0,
                     kProgressRect[0], kProgressRect[1], kProgressRect[2], kProgressRect[3],
                     IDC_PROGRESS_LINE, WC_STATICW, L""});

    Writer out;
    out.Word(1);       // dlgVer
    out.Word(0xFFFF);  // signature: DLGTEMPLATEEX
    out.Dword(0);      // help id
    out.Dword(t.exStyle);
    // Shown once filled in, not while it is built.
    out.Dword(t.style & ~static_cast<DWORD>(WS_VISIBLE));
    out.Word(static_cast<WORD>(items.size()));
    for (int v : {0, 0, t.width, t.height}) {
        out.Word(static_cast<WORD>(v));
    }
    out.Word(0);  // no menu
    out.Word(0);  // the dialog class
    out.String(Ui(t.caption));
    out.Word(static_cast<WORD>(t.fontPointSize));
    out.Word(FW_NORMAL);
    out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
    out.String(Wide(t.fontName));
    for (const Item& item : items) {
        WriteItem(out, item);
    }
    return std::move(out.words);
}

}  // namespace wifi
