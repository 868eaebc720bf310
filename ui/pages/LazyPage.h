#pragma once
#include "Controls.h"

namespace dzwonex {

// A page that makes its controls the first time it is shown, or when Build
// is called, so that the start-up makes only what its first frame shows.
// Until then the page keeps whatever it is told, and shows it once made.
class TLazyPage : public TPanel {
    Q_OBJECT
public:
    void Build();
    bool IsBuilt() const { return built_; }

signals:
    // The controls are made and show what the page was told.
    void Built();

protected:
    explicit TLazyPage(QWidget* parent = nullptr);
    // Makes the controls, each shown with the page.
    virtual void MakeControls() = 0;
    // Places them at the page's size; again whenever it changes.
    virtual void LayOut() = 0;
    // Shows in them what the page was told before, words included.
    virtual void ShowKept() = 0;
    void showEvent(QShowEvent* event) override;

private:
    bool built_ = false;
};

}  // namespace dzwonex
