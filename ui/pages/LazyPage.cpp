#include "LazyPage.h"

namespace dzwonex {

TLazyPage::TLazyPage(QWidget* parent) : TPanel(parent) {
    OnResize = [this] {
        if (built_) LayOut();
    };
}

void TLazyPage::Build() {
    if (built_) return;
    MakeControls();
    built_ = true;
    LayOut();
    ShowKept();
    emit Built();
}

void TLazyPage::showEvent(QShowEvent* event) {
    Build();
    TPanel::showEvent(event);
}

}  // namespace dzwonex
