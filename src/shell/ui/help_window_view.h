#pragma once

#include <functional>


#include "common/ui/model_view.h"
#include "common/ui/control_binder.h"
#include "shell/help_window.h"

class QLineEdit;
class QMenuBar;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace norvexa {

// The help window: a window of its own (not an MDI child) with its menu "Guida", the
// heading, the manual as formatted read-only text, the hover-help line and "Chiudi".
// Built hidden; guida and guidanon show it.
class HelpWindowView : public ModelView {
  public:
    // parent: the main window, which the help stays in front of; may be null.
    // after: called once the model has handled an event, to refresh every window.
    HelpWindowView(HelpWindow& model, std::function<void()> after, QWidget* parent = nullptr);

    // "Affianca verticalmente": main_window restored and narrowed, the help beside
    // input_window, over which analysis_window's place is the help's place on loading.
    void guida(QWidget& main_window, const QWidget& input_window, const QWidget& analysis_window);
    // "Sovrapponi": the help over analysis_window, at main_window's top.
    void guidanon(const QWidget& main_window, const QWidget& analysis_window);
    // Shows the model: the help line, the manual when it changed, place, visibility, focus.
    void refresh() override;
    unsigned long model_revision() const override;

    QTextEdit* manual() const { return manual_; }
    QLineEdit* help_line() const { return lh_; }
    QPushButton* close_button() const { return close_; }
    QMenuBar* menu_bar() const { return menu_bar_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void handled();
    void bring_to_front();
    void apply_place();
    void show_manual();

    HelpWindow& model_;
    std::function<void()> after_;
    ControlBinder* binder_;
    QMenuBar* menu_bar_;
    QTextEdit* manual_;
    QTextDocument* manual_document_ = nullptr;  // the document manual_ shows, owned by manual_
    QLineEdit* lh_;
    QPushButton* close_;
    unsigned long manual_shown_ = 0;
    WindowPlace place_shown_;
};

}  // namespace norvexa
