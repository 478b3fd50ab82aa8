#include "input/ui/form1_window.h"

#include <string>
#include <vector>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace norvexa {
namespace {

std::string indexed(const char* stem, int i) { return stem + std::to_string(i); }

QGridLayout* grid_of(QWidget* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    return grid;
}

// The web of a T section, drawn beside the web sizes.
QPixmap web_sketch(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(225, 225, 225));
    const double w = size;
    painter.drawPolygon(QPolygonF({{w * 0.05, w * 0.05}, {w * 0.95, w * 0.05}, {w * 0.95, w * 0.3}, {w * 0.65, w * 0.3},
                                   {w * 0.65, w * 0.95}, {w * 0.35, w * 0.95}, {w * 0.35, w * 0.3}, {w * 0.05, w * 0.3}}));
    return picture;
}

}  // namespace

Form1Window::Form1Window(Form1& model, std::function<void()> after, QWidget* parent)
    : ModelView(parent), model_(model) {
    setObjectName("Form1");
    setWindowTitle("Dati sezione");
    binder_ = new ControlBinder(model_, std::move(after), this);
    binder_->bind_all();

    auto* tools = new QHBoxLayout;
    for (const char* bar : {"Toolbar1", "Toolbar2", "Toolbar3"}) {
        auto* tool_bar = static_cast<QToolBar*>(bound(bar));
        tool_bar->setIconSize(QSize(20, 20));
        tools->addWidget(tool_bar);
    }
    tools->addStretch(1);

    // Two columns, the tool bars atop the right one and each ending with the list and
    // properties of one material: the form stays low enough for a screen 768 pixels high.
    auto* left = new QVBoxLayout;
    left->addWidget(shape_group());
    left->addWidget(sizes_group());
    left->addWidget(bars_group(), 1);
    left->addWidget(property_column("frameSteelProperties", "frameAcciaio", "File1", "stl", "lblStl", 7));
    auto* right = new QVBoxLayout;
    right->addLayout(tools);
    // The checks stand outside the stirrups' frame: the shear check disables that frame
    // and must stay usable to enable it again.
    auto* checks = new QHBoxLayout;
    checks->setContentsMargins(4, 0, 4, 0);
    checks->addWidget(bound("Check5"));
    checks->addWidget(bound("Check1"));
    checks->addStretch(1);
    right->addLayout(checks);
    right->addWidget(stirrups_group());
    right->addWidget(actions_group());
    right->addWidget(precision_group());
    auto* calculate = static_cast<QPushButton*>(bound("Command1"));
    calculate->setMinimumHeight(calculate->sizeHint().height() * 3 / 2);
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    right->addWidget(calculate);
    right->addStretch(1);
    right->addWidget(property_column("frameConcreteProperties", "frameCls", "File2", "con", "lblCon", 9));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* body = new QVBoxLayout;
    body->addLayout(columns);

    // The band between the input and the results, in the window-line colour.
    QWidget* band = bound("Frame1");
    band->setFixedWidth(6);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 4, 0, 6);
    outer->addLayout(body, 1);
    outer->addWidget(band);

    for (const char* value : {"a1", "a2", "a3", "atot", "ast", "rettang", "toller"}) binder_->show_as_value(value);
    for (int k = 2; k <= 4; ++k) {
        for (int g = 1; g <= 3; ++g) binder_->show_as_value("A" + std::to_string(g) + std::to_string(k));
        binder_->show_as_value(indexed("ATOT", k));
    }
    for (int i = 1; i <= 7; ++i) binder_->show_as_value(indexed("stl", i));
    for (int i = 1; i <= 9; ++i) binder_->show_as_value(indexed("con", i));
    set_tab_order();
    refresh();
}

void Form1Window::set_tab_order() {
    // Reading order: shape, sizes, layers with their bar pages, checks, stirrups, actions,
    // sliders, Calcola, materials; the layouts alone would give the order of placing.
    std::vector<std::string> names{"rett", "t", "COOR", "tb", "th", "tb2", "th2", "strati", "SSTab1"};
    for (int k = 1; k <= 4; ++k) {
        names.push_back(indexed("ta", k));
        names.push_back(indexed("td", k));
    }
    for (int k = 1; k <= 4; ++k) {
        for (int g = 1; g <= 3; ++g) {
            const std::string suffix = std::to_string(k) + "a" + std::to_string(g);
            names.push_back("n" + suffix);
            names.push_back("f" + suffix);
        }
        names.push_back(indexed("Command", k + 2));
    }
    for (const char* name : {"Check5", "Check1", "nbr", "dst", "passo", "TMS", "TVS", "sl1", "sl2", "Command1",
                             "File1", "File2"})
        names.emplace_back(name);
    for (std::size_t i = 1; i < names.size(); ++i) setTabOrder(bound(names[i - 1].c_str()), bound(names[i].c_str()));
}

QWidget* Form1Window::bound(const char* name) { return binder_->widget(name); }

QWidget* Form1Window::shape_group() {
    QWidget* frame = bound("frameShape");
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 4, 8, 4);
    auto* caption = new QVBoxLayout;
    caption->setSpacing(0);
    caption->addWidget(bound("lblShape1"));
    caption->addWidget(bound("lblShape2"));
    row->addLayout(caption);
    row->addSpacing(8);
    for (const char* option : {"rett", "t", "COOR"}) row->addWidget(bound(option));
    row->addStretch(1);
    return frame;
}

QWidget* Form1Window::sizes_group() {
    QWidget* outer = bound("frameDimensioni");
    auto* outer_layout = new QVBoxLayout(outer);
    outer_layout->setContentsMargins(4, 2, 4, 4);
    QWidget* inner = bound("frameSizes");
    outer_layout->addWidget(inner);
    QGridLayout* grid = grid_of(inner);
    grid->addWidget(bound("lblB1"), 0, 0);
    grid->addWidget(bound("tb"), 0, 1);
    grid->addWidget(bound("lblH1"), 0, 2);
    grid->addWidget(bound("th"), 0, 3);
    grid->addWidget(bound("lblB2"), 1, 0);
    grid->addWidget(bound("tb2"), 1, 1);
    grid->addWidget(bound("lblH2"), 1, 2);
    grid->addWidget(bound("th2"), 1, 3);
    auto* sketch = static_cast<QLabel*>(bound("webSketch"));
    sketch->setPixmap(web_sketch(36));
    grid->addWidget(sketch, 0, 4, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The web sizes keep their room while hidden: choosing the shape moves nothing below.
    for (const char* web : {"lblB2", "tb2", "lblH2", "th2", "webSketch"}) {
        QSizePolicy policy = bound(web)->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        bound(web)->setSizePolicy(policy);
    }
    return outer;
}

QWidget* Form1Window::bars_group() {
    QWidget* frame = bound("frameArmature");
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(bound("strati"));
    auto* tabs = static_cast<QTabWidget*>(bound("SSTab1"));
    layout->addWidget(tabs, 1);

    QGridLayout* table = grid_of(tabs->widget(0));
    for (int k = 0; k < 4; ++k) {
        table->addWidget(bound(indexed("lblAs", k + 1).c_str()), k, 0);
        table->addWidget(bound(indexed("ta", k + 1).c_str()), k, 1);
        table->addWidget(bound(indexed("lblD", k + 1).c_str()), k, 2);
        table->addWidget(bound(indexed("td", k + 1).c_str()), k, 3);
    }
    table->setColumnStretch(1, 1);
    table->setColumnStretch(3, 1);
    table->setRowStretch(4, 1);
    for (int k = 1; k <= 4; ++k) {
        auto* page = new QVBoxLayout(tabs->widget(k));
        page->setContentsMargins(2, 2, 2, 2);
        page->addWidget(bar_page(k));
    }
    return frame;
}

QWidget* Form1Window::bar_page(int layer) {
    QWidget* frame = bound(indexed("barFrame", layer).c_str());
    QGridLayout* grid = grid_of(frame);
    grid->addWidget(bound(indexed("lblCount", layer).c_str()), 0, 0);
    grid->addWidget(bound(indexed("lblDiameter", layer).c_str()), 0, 1);
    grid->addWidget(bound(indexed("lblGroupArea", layer).c_str()), 0, 2);
    for (int g = 1; g <= 3; ++g) {
        const std::string suffix = std::to_string(layer) + "a" + std::to_string(g);
        grid->addWidget(bound(("n" + suffix).c_str()), g, 0);
        grid->addWidget(bound(("f" + suffix).c_str()), g, 1);
        const std::string area = layer == 1 ? indexed("a", g) : "A" + std::to_string(g) + std::to_string(layer);
        grid->addWidget(bound(area.c_str()), g, 2);
    }
    auto* total = new QHBoxLayout;
    total->setSpacing(6);
    total->addWidget(bound(indexed("lblTotal", layer).c_str()));
    total->addWidget(bound(layer == 1 ? "atot" : indexed("ATOT", layer).c_str()));
    total->addStretch(1);
    total->addWidget(bound(indexed("Command", layer + 2).c_str()));
    grid->addLayout(total, 4, 0, 1, 3);
    return frame;
}

QWidget* Form1Window::stirrups_group() {
    QWidget* frame = bound("frameStaffe");
    QGridLayout* grid = grid_of(frame);
    grid->addWidget(bound("lblNbr"), 0, 0);
    grid->addWidget(bound("lblDst"), 0, 1);
    grid->addWidget(bound("lblPasso"), 0, 2);
    grid->addWidget(bound("lblAst"), 0, 3);
    grid->addWidget(bound("nbr"), 1, 0);
    grid->addWidget(bound("dst"), 1, 1);
    grid->addWidget(bound("passo"), 1, 2);
    grid->addWidget(bound("ast"), 1, 3);
    return frame;
}

QWidget* Form1Window::actions_group() {
    QWidget* frame = bound("frameSollecitazioni");
    QGridLayout* grid = grid_of(frame);
    grid->addWidget(bound("lblTMS"), 0, 0);
    grid->addWidget(bound("TMS"), 0, 1);
    grid->addWidget(bound("lblTVS"), 0, 2);
    grid->addWidget(bound("TVS"), 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* Form1Window::precision_group() {
    QWidget* frame = bound("framePrecisione");
    QGridLayout* grid = grid_of(frame);
    grid->addWidget(bound("sl1"), 0, 0, 1, 2);
    grid->addWidget(bound("lblRettang"), 1, 0);
    grid->addWidget(bound("rettang"), 1, 1);
    grid->addWidget(bound("sl2"), 2, 0, 1, 2);
    grid->addWidget(bound("lblToller"), 3, 0);
    grid->addWidget(bound("toller"), 3, 1);
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget* Form1Window::property_column(const char* frame_name, const char* list_frame, const char* list,
                                      const char* stem, const char* caption_stem, int count) {
    // The library list beside the properties of the material it chose.
    auto* pair = new QWidget;
    auto* layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* files = bound(list_frame);
    auto* files_layout = new QVBoxLayout(files);
    files_layout->setContentsMargins(6, 4, 6, 6);
    auto* file_list = static_cast<QListWidget*>(bound(list));
    // A list's own size hint is far wider than material names need; the properties beside
    // it take the room left.
    const int name_width = file_list->fontMetrics().horizontalAdvance("C 25-30 XXXXX");
    file_list->setMinimumWidth(name_width);
    file_list->setMaximumWidth(name_width * 3 / 2);
    file_list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    files_layout->addWidget(file_list);
    layout->addWidget(files);
    QWidget* frame = bound(frame_name);
    QGridLayout* grid = grid_of(frame);
    grid->setVerticalSpacing(1);
    grid->addWidget(bound(indexed(stem, 1).c_str()), 0, 0, 1, 2);
    for (int i = 2; i <= count; ++i) {
        grid->addWidget(bound(indexed(caption_stem, i).c_str()), i - 1, 0);
        grid->addWidget(bound(indexed(stem, i).c_str()), i - 1, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(count, 1);
    layout->addWidget(frame, 1);
    // A library window hides these frames while it is open; the others stay in place.
    for (QWidget* part : {files, frame}) {
        QSizePolicy policy = part->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        part->setSizePolicy(policy);
    }
    return pair;
}

}  // namespace norvexa
