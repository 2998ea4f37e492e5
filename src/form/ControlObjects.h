#pragma once

#include <string>

#include "form/Controls.h"

namespace wifi {

// The dialog's handles on its drop lists and address controls: a control id
// and the window that holds it.

// Our own small handle on a drop list, named as the dialog's member type was.
class CComboBox {
  public:
    CComboBox(Controls& controls, int id) : controls_(&controls), id_(id) {}
    int GetCurSel() const { return controls_->GetCurSel(id_); }
    void SetCurSel(int index) { controls_->SetCurSel(id_, index); }
    std::string GetText() const { return controls_->GetText(id_); }
    void EnableWindow(bool enable) { controls_->EnableWindow(id_, enable); }
    int id() const { return id_; }

  private:
    Controls* controls_;
    int id_;
};

// Our own small handle on an address control, named as the dialog's member type was.
class CIPAddressCtrl {
  public:
    CIPAddressCtrl(Controls& controls, int id) : controls_(&controls), id_(id) {}
    bool IsBlank() const { return controls_->IsBlank(id_); }
    Address GetAddress() const { return controls_->GetAddress(id_); }
    void SetAddress(const Address& address) { controls_->SetAddress(id_, address); }
    int id() const { return id_; }

  private:
    Controls* controls_;
    int id_;
};

}  // namespace wifi
