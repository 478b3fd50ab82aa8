#include "materials/ui/library_window_view.h"

#include <string>
#include <vector>

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "common/ui/themed_icon.h"

namespace norvexa {
namespace {

// The tool bar's icons from the desktop's theme, with Qt's own as the fallback.
QIcon command_icon(int button) {
    if (button == 2) return themed_icon({"document-new"}, QStyle::SP_FileIcon);
    if (button == 3) return themed_icon({"document-edit", "document-properties"}, QStyle::SP_FileDialogDetailedView);
    if (button == 6) return themed_icon({"list-add"}, QStyle::SP_FileDialogNewFolder);
    return themed_icon({"edit-delete"}, QStyle::SP_TrashIcon);
}

// A disabled field or caption still shows its text in full: in browse mode the fields
// are disabled, yet their values are what the window is for.
void keep_text_legible(QWidget* widget) {
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    widget->setPalette(palette);
}

}  // namespace

LibraryWindowView::LibraryWindowView(LibraryWindow& model, std::function<void()> after, QWidget* parent)
    : ModelView(parent), model_(model), after_(std::move(after)) {
    setObjectName(model_.name());
    setWindowTitle(model_.caption());
    binder_ = new ControlBinder(model_, [this] { handled(); }, this);
    binder_->bind_all();

    build_tool_bar();
    auto* list = static_cast<QListWidget*>(bound(model_.names().list));
    auto* list_caption = static_cast<QLabel*>(bound("lblLista"));
    list_caption->setBuddy(list);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance("Feb 44 K - B450C"));
    list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* list_column = new QVBoxLayout;
    list_column->setSpacing(4);
    list_column->addWidget(list_caption);
    list_column->addWidget(list, 1);

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    body->addLayout(list_column, 2);
    body->addWidget(fields_tab(), 3);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    for (const std::string& button : {model_.names().carica, model_.names().salva, std::string("Command1")})
        commands->addWidget(bound(button));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 8);
    outer->setSpacing(6);
    outer->addWidget(tool_bar_);
    outer->addLayout(body, 1);
    outer->addLayout(commands);
    set_tab_order();
    refresh();
}

void LibraryWindowView::build_tool_bar() {
    tool_bar_ = static_cast<QToolBar*>(bound("Toolbar2"));
    tool_bar_->setIconSize(QSize(20, 20));
    tool_bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (QAction* action : tool_bar_->actions()) {
        action->setIcon(command_icon(action->data().toInt()));
        action->setCheckable(true);
        // The tool bar is reached by Tab like the rest; Space presses the button.
        if (QWidget* button = tool_bar_->widgetForAction(action)) button->setFocusPolicy(Qt::TabFocus);
    }
}

QWidget* LibraryWindowView::fields_tab() {
    auto* tabs = static_cast<QTabWidget*>(bound(model_.names().tab));
    QWidget* frame = bound(model_.names().frame);
    // One page only: its tab has nothing to choose and stays out of the Tab chain.
    tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    auto* page = new QVBoxLayout(tabs->widget(0));
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(frame);
    page->addStretch(1);

    auto* grid = new QGridLayout(frame);
    fields_grid_ = grid;
    // The frame's caption comes and goes with the mode; the fields keep their place.
    auto* box = static_cast<QGroupBox*>(frame);
    const int untitled_top = box->contentsMargins().top();
    box->setTitle("Nuovo");
    title_room_ = box->contentsMargins().top() - untitled_top;
    box->setTitle({});
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    keep_text_legible(frame);
    for (std::size_t i = 0; i < model_.names().fields.size(); ++i) {
        auto* caption = static_cast<QLabel*>(bound(model_.names().captions[i]));
        auto* field = static_cast<QLineEdit*>(bound(model_.names().fields[i]));
        caption->setBuddy(field);
        keep_text_legible(caption);
        keep_text_legible(field);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("Feb 44 K 0000"));
        const int row = static_cast<int>(i);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
    }
    grid->setColumnStretch(1, 1);
    return tabs;
}

void LibraryWindowView::set_tab_order() {
    std::vector<QWidget*> chain;
    for (QAction* action : tool_bar_->actions())
        if (QWidget* button = tool_bar_->widgetForAction(action)) chain.push_back(button);
    for (const ControlRow& row : model_.rows()) {
        const ControlKind kind = row.info.kind;
        if (kind == ControlKind::file_list || kind == ControlKind::text_field || kind == ControlKind::command_button)
            chain.push_back(bound(row.name));
    }
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void LibraryWindowView::refresh() {
    binder_->refresh();
    const int top = model_.find(model_.names().frame)->text.empty() ? 8 + title_room_ : 8;
    if (fields_grid_->contentsMargins().top() != top) fields_grid_->setContentsMargins(10, top, 10, 10);
    for (QAction* action : tool_bar_->actions()) {
        const bool pressed = action->data().toInt() == model_.pressed_button();
        if (action->isChecked() != pressed) action->setChecked(pressed);
    }
}

void LibraryWindowView::handled() {
    if (after_) after_();
    else refresh();
}

void LibraryWindowView::place(QMdiSubWindow& child) {
    connect(child.mdiArea(), &QMdiArea::subWindowActivated, this, [this, own = &child](QMdiSubWindow* active) {
        // No child at all is active while a message box or another program has the focus.
        if (!active) return;
        if (active == own) model_.Form_Activate();
        else if (model_.is_open()) model_.Form_Deactivate();
        else return;
        handled();
    });
}

void LibraryWindowView::open() {
    model_.show();
    ModelView::open();
    handled();
}

void LibraryWindowView::closeEvent(QCloseEvent* event) {
    model_.Form_Unload();
    event->accept();
    handled();
}

}  // namespace norvexa
