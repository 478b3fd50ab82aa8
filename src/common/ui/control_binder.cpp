#include "common/ui/control_binder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "common/ui/themed_icon.h"
#include "common/ui/twips.h"

namespace norvexa {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

QStringList qt(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << qt(item);
    return list;
}

void set_colour(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    const QColor wanted = to_qcolor(colour);
    if (widget->palette().color(role) == wanted) return;
    QPalette palette = widget->palette();
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

void set_text(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

void set_items(QComboBox* box, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    if (shown == items) return;
    // Replacing the items clears an editable list's text; keep what is being typed.
    const QString text = box->currentText();
    const int cursor = box->isEditable() ? box->lineEdit()->cursorPosition() : 0;
    box->clear();
    box->addItems(items);
    if (box->isEditable()) {
        box->setEditText(text);
        box->lineEdit()->setCursorPosition(cursor);
    }
}

bool moves_on(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta: return true;
        default: return false;
    }
}

// Tool-bar icons from the desktop's theme, with Qt's own as the fallback. Qt's own help
// button icon, a red and white life buoy, reads as a close mark at tool-bar size: help
// falls back to the question mark.
QIcon tool_icon(const std::string& tip) {
    if (tip == "Nuovo progetto") return themed_icon({"document-new"}, QStyle::SP_FileIcon);
    if (tip == "Apri progetto") return themed_icon({"document-open"}, QStyle::SP_DialogOpenButton);
    if (tip == "Salva progetto") return themed_icon({"document-save"}, QStyle::SP_DialogSaveButton);
    if (tip == "Stampa form") return themed_icon({"document-print"}, QStyle::SP_FileDialogDetailedView);
    if (tip == "Guida") return themed_icon({"help-contents", "help-browser"}, QStyle::SP_MessageBoxQuestion);
    if (tip == "Calcolatrice") return themed_icon({"accessories-calculator"}, QStyle::SP_ComputerIcon);
    if (tip == "Relazione di calcolo") return themed_icon({"x-office-document"}, QStyle::SP_FileDialogContentsView);
    if (tip == "Libreria calcestruzzi") return themed_icon({"folder"}, QStyle::SP_DirIcon);
    if (tip == "Libreria acciai") return themed_icon({"folder-open"}, QStyle::SP_DirOpenIcon);
    return {};
}

}  // namespace

ControlBinder::ControlBinder(WindowModel& model, std::function<void()> after, QObject* parent)
    : QObject(parent), model_(model), after_(std::move(after)) {}

ControlBinder::~ControlBinder() {
    for (const QPointer<QWidget>& widget : made_)
        if (widget && !widget->parentWidget()) delete widget.data();
}

void ControlBinder::bind_all() {
    for (const ControlRow& row : model_.rows()) bind(row);
}

QWidget* ControlBinder::bind(const ControlRow& row) {
    const std::string& name = row.name;
    const ControlInfo& info = row.info;
    Bound& bound = bound_.emplace(name, Bound{name, row.control, info, nullptr}).first->second;
    bound.widget = make(bound, row.on);
    made_.emplace_back(bound.widget);
    bound.widget->setObjectName(qt(name));
    bound.widget->installEventFilter(this);
    names_.emplace(bound.widget, name);
    if (!info.tip.empty()) bound.widget->setToolTip(qt(info.tip));
    refresh(bound);
    return bound.widget;
}

QWidget* ControlBinder::bind(std::string_view name) {
    for (const ControlRow& row : model_.rows())
        if (row.name == name) return bind(row);
    return nullptr;
}

QWidget* ControlBinder::widget(std::string_view name) const {
    const auto found = bound_.find(name);
    return found == bound_.end() ? nullptr : found->second.widget;
}

void ControlBinder::show_as_value(std::string_view name) {
    const auto found = bound_.find(name);
    if (found == bound_.end()) return;
    found->second.value_box = true;
    if (auto* label = qobject_cast<QLabel*>(found->second.widget)) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setAutoFillBackground(true);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("0000000"));
    }
    refresh(found->second);
}

void ControlBinder::handle(const std::function<void()>& handler) {
    if (busy_ || !handler) return;
    busy_ = true;
    handler();
    busy_ = false;
    if (after_) after_();
}

const ControlBinder::Bound* ControlBinder::bound_to(const QObject* object) const {
    const auto name = names_.find(object);
    if (name == names_.end()) return nullptr;
    return &bound_.find(name->second)->second;
}

QWidget* ControlBinder::make(Bound& bound, const ControlHandlers& on) {
    const std::string name = bound.name;
    auto typed = [this, name](const QString& text) { handle([&] { model_.type(name, text.toStdString()); }); };
    switch (bound.info.kind) {
        case ControlKind::text_field: {
            auto* edit = new QLineEdit;
            connect(edit, &QLineEdit::textEdited, this, typed);
            return edit;
        }
        case ControlKind::editable_list:
        case ControlKind::choice_list: {
            auto* box = new QComboBox;
            const bool editable = bound.info.kind == ControlKind::editable_list;
            box->setEditable(editable);
            box->setInsertPolicy(QComboBox::NoInsert);
            if (editable) {
                // What is typed stays as typed: a completion would show text the model has not got.
                box->setCompleter(nullptr);
                box->lineEdit()->installEventFilter(this);
                names_.emplace(box->lineEdit(), name);
                connect(box->lineEdit(), &QLineEdit::textEdited, this, typed);
            }
            connect(box, &QComboBox::activated, this, [this, name, box](int index) {
                const std::string item = box->itemText(index).toStdString();
                handle([&] { model_.choose(name, item); });
            });
            return box;
        }
        case ControlKind::file_list: {
            auto* list = new QListWidget;
            list->viewport()->installEventFilter(this);
            names_.emplace(list->viewport(), name);
            // A pick by the mouse or the arrow keys selects; the focus coming in only marks
            // the first item current, and that reads nothing.
            connect(list, &QListWidget::itemSelectionChanged, this, [this, name, list] {
                const QList<QListWidgetItem*> selected = list->selectedItems();
                if (selected.isEmpty()) return;
                const std::string item = selected.front()->text().toStdString();
                handle([&] { model_.choose(name, item); });
            });
            connect(list, &QListWidget::itemDoubleClicked, this,
                    [this, name] { handle([&] { model_.double_click(name); }); });
            return list;
        }
        case ControlKind::option_button:
        case ControlKind::check_box: {
            QAbstractButton* button = bound.info.kind == ControlKind::check_box
                                          ? static_cast<QAbstractButton*>(new QCheckBox)
                                          : static_cast<QAbstractButton*>(new QRadioButton);
            button->setAutoExclusive(false);
            connect(button, &QAbstractButton::clicked, this, [this, name] { handle([&] { model_.click(name); }); });
            return button;
        }
        case ControlKind::slider: {
            auto* slider = new QSlider(Qt::Horizontal);
            slider->setRange(bound.info.minimum, bound.info.maximum);
            slider->setPageStep(1);
            connect(slider, &QSlider::valueChanged, this,
                    [this, name](int position) { handle([&] { model_.move_slider(name, position); }); });
            return slider;
        }
        case ControlKind::command_button: {
            auto* button = new QPushButton;
            button->setAutoFillBackground(true);
            // Only a button that answers its mouse button hears of it: a click is one event.
            if (on.press)
                connect(button, &QPushButton::pressed, this, [this, name] { handle([&] { model_.press(name); }); });
            if (on.release)
                connect(button, &QPushButton::released, this, [this, name] { handle([&] { model_.release(name); }); });
            connect(button, &QPushButton::clicked, this, [this, name] { handle([&] { model_.click(name); }); });
            return button;
        }
        case ControlKind::tool_bar: {
            auto* bar = new QToolBar;
            for (std::size_t i = 0; i < bound.control->items.size(); ++i) {
                const std::string& tip = bound.control->items[i];
                if (tip.empty()) continue;  // button 1 of each bar does nothing
                QAction* action = bar->addAction(tool_icon(tip), qt(tip));
                action->setToolTip(qt(tip));
                action->setData(static_cast<int>(i + 1));
                connect(action, &QAction::triggered, this,
                        [this, name, i] { handle([&] { model_.tool(name, static_cast<int>(i + 1)); }); });
            }
            return bar;
        }
        case ControlKind::frame: return new QGroupBox;
        case ControlKind::tab_panel: {
            auto* tabs = new QTabWidget;
            for (const std::string& page : bound.control->items) {
                auto* widget = new QWidget;
                widget->setAutoFillBackground(true);
                tabs->addTab(widget, qt(page));
            }
            connect(tabs, &QTabWidget::currentChanged, this,
                    [this, name](int page) { handle([&] { model_.show_page(name, page); }); });
            return tabs;
        }
        case ControlKind::panel: {
            auto* panel = new QFrame;
            panel->setAutoFillBackground(true);
            return panel;
        }
        case ControlKind::label:
        case ControlKind::picture: break;
    }
    return new QLabel;
}

void ControlBinder::refresh() {
    for (auto& [name, bound] : bound_) refresh(bound);
}

void ControlBinder::refresh(Bound& bound) {
    const Control& c = *bound.control;
    QWidget* w = bound.widget;
    const QSignalBlocker blocker(w);
    // A widget inside a disabled frame is disabled with it; only its own switch is set.
    if (w->testAttribute(Qt::WA_ForceDisabled) == c.enabled) w->setEnabled(c.enabled);
    // A panel inside a frame only colours it. A widget not yet placed in its window must
    // not show on its own as a window.
    const bool colours_a_frame = bound.info.kind == ControlKind::panel && bound_.count(bound.info.frame);
    const bool visible = c.visible && !colours_a_frame;
    if (w->isHidden() == visible && (w->parentWidget() || !visible)) w->setVisible(visible);
    const QString text = qt(c.text);
    switch (bound.info.kind) {
        case ControlKind::text_field:
            set_text(static_cast<QLineEdit*>(w), text);
            set_colour(w, QPalette::Base, c.back);
            break;
        case ControlKind::editable_list:
        case ControlKind::choice_list: {
            auto* box = static_cast<QComboBox*>(w);
            set_items(box, qt(c.items));
            if (box->isEditable()) {
                const QSignalBlocker edit_blocker(box->lineEdit());
                if (box->currentText() != text) box->setEditText(text);
                set_colour(box->lineEdit(), QPalette::Base, c.back);
            } else if (box->currentText() != text) {
                box->setCurrentIndex(box->findText(text));
            }
            set_colour(w, QPalette::Base, c.back);
            set_colour(w, QPalette::Button, c.back);
            break;
        }
        case ControlKind::file_list: {
            auto* list = static_cast<QListWidget*>(w);
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
            if (shown != qt(c.items)) {
                list->clear();
                list->addItems(qt(c.items));
            }
            const auto matches = list->findItems(text, Qt::MatchExactly);
            if (!matches.isEmpty() && list->currentItem() != matches.front()) list->setCurrentItem(matches.front());
            break;
        }
        case ControlKind::option_button:
        case ControlKind::check_box: {
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->text() != text) button->setText(text);
            if (button->isChecked() != (c.value == 1)) button->setChecked(c.value == 1);
            if (bound.info.kind == ControlKind::option_button) {
                button->setAutoFillBackground(true);
                set_colour(w, QPalette::Window, c.back);
            }
            break;
        }
        case ControlKind::slider:
            if (static_cast<QSlider*>(w)->value() != c.value) static_cast<QSlider*>(w)->setValue(c.value);
            break;
        case ControlKind::command_button:
            if (static_cast<QPushButton*>(w)->text() != text) static_cast<QPushButton*>(w)->setText(text);
            set_colour(w, QPalette::Button, c.back);
            break;
        case ControlKind::tool_bar:
            for (QAction* action : static_cast<QToolBar*>(w)->actions()) {
                const bool enabled = model_.tool_enabled(bound.name, action->data().toInt());
                if (action->isEnabled() != enabled) action->setEnabled(enabled);
            }
            break;
        case ControlKind::frame:
            if (static_cast<QGroupBox*>(w)->title() != text) static_cast<QGroupBox*>(w)->setTitle(text);
            break;
        case ControlKind::tab_panel:
            if (static_cast<QTabWidget*>(w)->currentIndex() != c.value) static_cast<QTabWidget*>(w)->setCurrentIndex(c.value);
            break;
        case ControlKind::panel: {
            // A panel colours the frame it lies in, or itself when it lies in none.
            QWidget* target = w;
            if (const auto frame = bound_.find(bound.info.frame); frame != bound_.end()) {
                target = frame->second.widget;
                if (auto* tabs = qobject_cast<QTabWidget*>(target)) target = tabs->widget(std::max(bound.info.page, 0));
                target->setAutoFillBackground(true);
            }
            set_colour(target, QPalette::Window, c.back);
            break;
        }
        case ControlKind::label:
            if (static_cast<QLabel*>(w)->text() != text) static_cast<QLabel*>(w)->setText(text);
            if (bound.value_box) set_colour(w, QPalette::Window, c.back);
            break;
        case ControlKind::picture: break;
    }
}

bool ControlBinder::eventFilter(QObject* watched, QEvent* event) {
    const Bound* bound = bound_to(watched);
    if (!bound) return QObject::eventFilter(watched, event);
    const std::string name = bound->name;
    switch (event->type()) {
        case QEvent::Enter:
            handle([&] { model_.pointer_over(name); });
            break;
        case QEvent::KeyPress:
            // Any key, an arrow key too, reaches the field's key handler before it edits the
            // text; moving on with Tab, or a modifier pressed alone, types nothing.
            if (bound->info.kind == ControlKind::text_field && !moves_on(*static_cast<QKeyEvent*>(event))) {
                const std::string current = static_cast<QLineEdit*>(bound->widget)->text().toStdString();
                handle([&] { model_.type(name, current); });
            }
            break;
        case QEvent::FocusOut: {
            // An editable list forwards its focus events to its editor itself: only the
            // outer widget's are seen here, once.
            const bool editor = bound->info.kind == ControlKind::text_field ||
                                bound->info.kind == ControlKind::editable_list ||
                                bound->info.kind == ControlKind::file_list;
            if (!editor || watched != bound->widget) break;
            // The field's own drop-down, the menus or another window (a message box) taking
            // the focus does not leave the field; the focus comes back to it.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
                reason == Qt::MenuBarFocusReason || QApplication::activePopupWidget())
                break;
            handle([&] { model_.leave(name); });
            break;
        }
        case QEvent::MouseButtonDblClick:
            if (bound->info.kind == ControlKind::text_field) handle([&] { model_.double_click(name); });
            break;
        case QEvent::Wheel: {
            // The wheel scrolls the window past a list or a slider; only one the user is
            // working in (it has the focus) takes it, so nothing changes unnoticed.
            const bool turns = qobject_cast<QComboBox*>(bound->widget) || qobject_cast<QSlider*>(bound->widget);
            if (turns && !bound->widget->hasFocus()) return true;
            break;
        }
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace norvexa
