#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "form/Controls.h"
#include "qt/QtTextConverter.h"
#include "text/ModuleTexts.h"
#include "window/WindowShell.h"

class QLineEdit;
class QWidget;

namespace wifi {

// The dialog's controls on Qt widgets, found by id. The status field and the
// list entries are interface texts (UTF-8). The other edits hold module texts,
// which are bytes: the core's ModuleTexts decides what each shows and what
// goes back to the module.
class QtControls : public Controls, public EncodedTexts {
  public:
    void Add(int id, QWidget* widget) { widgets_.insert(id, widget); }
    QWidget* Widget(int id) const;
    // The parent of message boxes and their caption.
    void SetWindow(QWidget* window, const QString& caption);

    int GetCurSel(int id) const override;
    void SetCurSel(int id, int index) override;
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    bool CanEncode(int id) const override;
    // Puts a module text in as typed (an imported profile's): shown decoded,
    // and sent in the encoding chosen when it goes out. Bytes not valid in the
    // chosen encoding are kept as they are, as a reported text's would be.
    void SetTypedBytes(int id, const std::string& bytes);

    TextEncoding encoding() const override { return texts_.encoding(); }
    // Re-decodes the untouched reported texts at once; the ids of those not
    // valid in the new encoding, shown with U+FFFD where their bytes are.
    std::vector<int> SetEncoding(TextEncoding encoding) override;
    // Told when a reported text is not valid in the chosen encoding: with the
    // encoding it is in, or nothing when it is in neither.
    std::function<void(int id, std::optional<TextEncoding> detected)> onForeignText;
    int GetCheck(int id) const override;
    void SetCheck(int id, int state) override;
    bool IsBlank(int id) const override;
    Address GetAddress(int id) const override;
    void SetAddress(int id, const Address& address) override;
    void ClearAddress(int id) override;
    void SetCaption(int id, std::string_view source) override;
    void EnableWindow(int id, bool enable) override;
    bool IsWindowEnabled(int id) const override;
    void SetFocus(int id) override;
    void SetNotReported(int id, bool notReported) override;
    void ShowMessage(std::string_view text, MessageType type) override;

  private:
    template <class T>
    T* As(int id) const;
    static void Show(QLineEdit* edit, const QString& text);

    void ShowModuleText(int id, const ModuleTexts::Shown& shown);
    std::string ShownText(int id) const;

    ModuleTexts texts_{DefaultEncoding(), QtTextConverters()};

    QHash<int, QWidget*> widgets_;
    QWidget* window_ = nullptr;
    QString caption_;
};

}  // namespace wifi
