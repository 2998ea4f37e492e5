#pragma once

#include <QFrame>
#include <array>
#include <cstdint>

class QLineEdit;

namespace wifi {

// An IPv4 address entry of four fields, 0 to 255 each. Typing "." or a third
// digit moves on to the next field (a "." right after such a move is taken
// for it); a value over 255 becomes 255; a pasted dotted address fills all
// four fields. Blank means all four fields empty; in a partly filled control
// an empty field reads 0. Only a user's change raises fieldChanged; setting
// from code raises nothing.
class IpAddressEdit : public QFrame {
    Q_OBJECT
  public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    bool isBlank() const;
    std::array<std::uint8_t, 4> address() const;
    void setAddress(const std::array<std::uint8_t, 4>& address);
    void clear();
    QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

  signals:
    void fieldChanged(int field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A narrow control (the server address's) draws its numbers a little
    // smaller rather than cut them: "255.255.255.255" is always readable.
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void FitFont();
    void OnEdited(int index);
    void FocusField(int index);
    // A whole dotted address from the clipboard into all four fields.
    bool Paste();

    std::array<QLineEdit*, 4> fields_{};
    bool movedOn_ = false;  // the last key's third digit moved the cursor on
};

}  // namespace wifi
