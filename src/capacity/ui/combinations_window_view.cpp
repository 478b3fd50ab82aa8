#include "capacity/ui/combinations_window_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "capacity/ui/capacity_plot.h"
#include "capacity/ui/plot_contents.h"

namespace norvexa::capacity {
namespace {

QColor qcolour(Colour colour) { return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

}  // namespace

CombinationsWindowView::CombinationsWindowView(CombinationsWindow& model, std::function<void()> after,
                                               std::function<unsigned long()> outside, FileChooser& files,
                                               QWidget* parent)
    : ModelView(parent), model_(model), after_(std::move(after)), outside_(std::move(outside)), files_(files) {
    setObjectName("pressoflessione");
    setWindowTitle(QString::fromStdString(model_.caption));
    binder_ = new ControlBinder(model_, after_, this);
    binder_->bind_all();

    table_ = new QTableWidget(0, column_count);
    table_->setObjectName("combinazioni");
    for (int column = 0; column < column_count; ++column) table_->setHorizontalHeaderItem(column, new QTableWidgetItem);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    // Rows copied from a spreadsheet go in at the current cell, or below the last row.
    auto* paste_rows = new QAction("Incolla", this);
    paste_rows->setShortcut(QKeySequence::Paste);
    paste_rows->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(paste_rows, &QAction::triggered, this, [this] { paste(); });
    addAction(paste_rows);
    setFocusProxy(table_);
    connect(table_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_) typed(row, column);
    });
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (filling_ || row == previous) return;
        model_.select(row);
        after_();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(control("lblNorma"));
    top->addWidget(control("norma"));
    top->addSpacing(12);
    top->addWidget(control("lblCot"));
    top->addWidget(control("cot"));
    top->addStretch(1);
    top->addWidget(control("lblDomain"));
    auto* outdated = static_cast<QLabel*>(control("lblOutdated"));
    outdated->setStyleSheet("color: #a00000; font-weight: bold;");
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"Aggiungi", "Elimina", "Duplica"}) buttons->addWidget(control(name));
    buttons->addStretch(1);
    auto* calculate = static_cast<QPushButton*>(control("Calcola"));
    calculate->setDefault(true);
    buttons->addWidget(calculate);
    buttons->addWidget(control("Relazione"));
    buttons->addWidget(control("Chiudi"));

    domain_ = new CapacityPlot("Il dominio M-N compare dopo Calcola");
    domain_->setObjectName("dominio");
    curvature_ = new CapacityPlot("Il diagramma momento-curvatura della combinazione scelta compare dopo Calcola");
    curvature_->setObjectName("curvatura");
    add_exports(*domain_, "dominio");
    add_exports(*curvature_, "curvatura");
    auto* curvature = new QWidget;
    auto* curvature_layout = new QVBoxLayout(curvature);
    curvature_layout->setContentsMargins(0, 0, 0, 0);
    curvature_layout->addWidget(curvature_, 1);
    curvature_layout->addWidget(control("lblCurvature"));
    auto* plots = new QSplitter(Qt::Horizontal);
    plots->addWidget(domain_);
    plots->addWidget(curvature);
    detailing_ = new QLabel;
    detailing_->setObjectName("dettagli");
    detailing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* rows = new QWidget;
    auto* rows_layout = new QVBoxLayout(rows);
    rows_layout->setContentsMargins(0, 0, 0, 0);
    rows_layout->addWidget(table_, 1);
    rows_layout->addWidget(detailing_);
    auto* parts = new QSplitter(Qt::Vertical);
    parts->addWidget(rows);
    parts->addWidget(plots);
    parts->setStretchFactor(0, 1);
    parts->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(outdated);
    layout->addWidget(parts, 1);
    layout->addLayout(buttons);
    resize(1340, 700);
    refresh();
}

CombinationsWindowView::~CombinationsWindowView() { model_.close(); }

void CombinationsWindowView::refresh() {
    binder_->refresh();
    filling_ = true;
    for (int column = 0; column < column_count; ++column) {
        QTableWidgetItem* header = table_->horizontalHeaderItem(column);
        header->setText(QString::fromStdString(model_.column_title(static_cast<Column>(column))));
        header->setToolTip(QString::fromStdString(model_.column_tip(static_cast<Column>(column))));
    }
    table_->setRowCount(model_.row_count());
    for (int row = 0; row < model_.row_count(); ++row) fill_row(row);
    if (model_.selected() >= 0 && table_->currentRow() != model_.selected())
        table_->setCurrentCell(model_.selected(), std::max(table_->currentColumn(), 0));
    filling_ = false;
    // The rules in two columns, those not met in red, to leave the rows their room.
    const std::vector<std::string> rules = model_.detailing_lines();
    QString html = "<b>Regole di dettaglio (NTC 2018, § 4.1.6.1.1)</b><table cellspacing=0 cellpadding=1>";
    const std::size_t half = (rules.size() + 1) / 2;
    for (std::size_t i = 0; i < half; ++i) {
        html += "<tr>";
        for (const std::size_t at : {i, i + half}) {
            if (at >= rules.size()) continue;
            const QString line = QString::fromStdString(rules[at]).toHtmlEscaped();
            html += (line.endsWith("✘") ? "<td style='color:#c00000'>" : "<td>") + line + "</td><td width=24></td>";
        }
        html += "</tr>";
    }
    detailing_->setText(html + "</table>");
    detailing_->setVisible(!rules.empty());
    domain_->show_content(domain_content(model_));
    curvature_->show_content(curvature_content(model_));
}

void CombinationsWindowView::place(QMdiSubWindow& child) {
    const QSize area = child.mdiArea()->size();
    child.resize(child.sizeHint().expandedTo(size()).boundedTo(area));
    child.move(0, 0);
}

void CombinationsWindowView::add_exports(CapacityPlot& plot, const QString& name) {
    plot.setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto export_as = [this, &plot](FileDialog& dialog, bool svg) {
        const auto chosen = files_.choose_save(dialog);
        if (!chosen || chosen->empty()) return;
        dialog.file_name = *chosen;
        const QString path = QString::fromStdString(*chosen);
        if (!(svg ? plot.export_svg(path) : plot.export_png(path)))
            model_.tell_unwritable(*chosen);
        after_();
    };
    auto* svg = new QAction("Esporta SVG...", &plot);
    svg->setObjectName(name + "Svg");
    connect(svg, &QAction::triggered, this, [this, export_as] { export_as(svg_dialog_, true); });
    auto* png = new QAction("Esporta PNG...", &plot);
    png->setObjectName(name + "Png");
    connect(png, &QAction::triggered, this, [this, export_as] { export_as(png_dialog_, false); });
    plot.addAction(svg);
    plot.addAction(png);
}

void CombinationsWindowView::fill_row(int row) {
    const std::optional<int> governing = model_.governing();
    const bool outdated = model_.results_outdated();
    const QString number = QString::number(row + 1);
    auto* header = table_->verticalHeaderItem(row);
    if (!header) table_->setVerticalHeaderItem(row, header = new QTableWidgetItem);
    header->setText(governing == row ? "▶ " + number : number);
    header->setToolTip(governing == row ? "Combinazione determinante" : QString());
    for (int column = 0; column < column_count; ++column) {
        QTableWidgetItem* item = table_->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            if (column >= typed_columns) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            const bool words = column == static_cast<int>(Column::name) || column == static_cast<int>(Column::verdict) ||
                               column == static_cast<int>(Column::shear_verdict);
            item->setTextAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
        const QString text = QString::fromStdString(model_.cell(row, static_cast<Column>(column)));
        if (item->text() != text) item->setText(text);
        QFont font = table_->font();
        font.setBold(governing == row);
        item->setFont(font);
        QColor colour = palette().color(QPalette::Text);
        if (column == static_cast<int>(Column::verdict)) colour = qcolour(model_.verdict_colour(row));
        if (column == static_cast<int>(Column::shear_verdict)) colour = qcolour(model_.shear_colour(row));
        if (column >= typed_columns && outdated) colour = palette().color(QPalette::Disabled, QPalette::Text);
        item->setForeground(colour);
    }
}

void CombinationsWindowView::typed(int row, int column) {
    const std::string text = table_->item(row, column)->text().toStdString();
    model_.type_cell(row, static_cast<Column>(column), text);
    after_();
    // A refused text goes back to the cell's value.
    filling_ = true;
    fill_row(row);
    filling_ = false;
}

void CombinationsWindowView::paste() {
    const int row = table_->currentRow() < 0 ? model_.row_count() : table_->currentRow();
    const int column = std::clamp(table_->currentColumn(), 0, typed_columns - 1);
    model_.paste(row, static_cast<Column>(column), QApplication::clipboard()->text().toStdString());
    after_();
}

}  // namespace norvexa::capacity
