#include "capacity/ui/combinations_window_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "capacity/code_key.h"
#include "capacity/ui/capacity_plot.h"
#include "capacity/ui/plot_contents.h"

namespace norvexa::capacity {
namespace {

QColor qcolour(Colour colour) { return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

// The kind of a row picked from its list; the pick reaches the model as the cell's text.
class KindDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* list = new QComboBox(parent);
        for (const Kind kind : kinds) list->addItem(QString::fromUtf8(kind_title(kind)));
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

QTableWidget* results_table(const char* name, int columns) {
    auto* table = new QTableWidget(0, columns);
    table->setObjectName(name);
    // Rows of a line of text, so that more of them show.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    for (int column = 0; column < columns; ++column) table->setHorizontalHeaderItem(column, new QTableWidgetItem);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    return table;
}

QTableWidgetItem* item_at(QTableWidget& table, int row, int column, bool words) {
    QTableWidgetItem* item = table.item(row, column);
    if (item) return item;
    item = new QTableWidgetItem;
    item->setTextAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    table.setItem(row, column, item);
    return item;
}

}  // namespace

CombinationsWindowView::CombinationsWindowView(CombinationsWindow& model, std::function<void()> after,
                                               std::function<unsigned long()> outside, FileChooser& files,
                                               QWidget* parent)
    : ModelView(parent), model_(model), after_(std::move(after)), outside_(std::move(outside)), files_(files) {
    setObjectName("pressoflessione");
    setWindowTitle(QString::fromStdString(model_.caption));
    binder_ = new ControlBinder(model_, after_, this);
    binder_->bind_all();

    table_ = results_table("combinazioni", column_count);
    table_->setItemDelegateForColumn(static_cast<int>(Column::kind), new KindDelegate(table_));
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
    // The service settings on one line: the numbers in boxes of a few digits.
    auto* settings = new QHBoxLayout;
    const int digits = fontMetrics().horizontalAdvance("00000");
    std::vector<std::string> names{"lblAmbiente", "ambiente", "lblOmog", "omog", "lblKt", "kt", "lblStrati"};
    for (int k = 1; k <= 4; ++k)
        for (const char* stem : {"lblFi", "fi", "lblCop", "cop"}) names.push_back(stem + std::to_string(k));
    for (const std::string& name : names) {
        QWidget* widget = control(name);
        if (name.rfind("lbl", 0) != 0 && name != "ambiente") widget->setMaximumWidth(digits);
        if (name.rfind("lblFi", 0) == 0 || name == "lblOmog" || name == "lblStrati") settings->addSpacing(8);
        settings->addWidget(widget);
    }
    settings->addStretch(1);
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
    rows_layout->addWidget(table_, 3);
    service_ = results_table("esercizio", service_columns);
    service_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    service_->setFocusPolicy(Qt::ClickFocus);
    // Picking a service row picks its combination too.
    connect(service_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        const std::vector<int> rows = model_.service_rows();
        if (filling_ || row == previous || row < 0 || row >= static_cast<int>(rows.size())) return;
        model_.select(rows[static_cast<std::size_t>(row)]);
        after_();
    });
    service_part_ = new QWidget;
    auto* service_layout = new QVBoxLayout(service_part_);
    service_layout->setContentsMargins(0, 0, 0, 0);
    service_layout->addWidget(new QLabel("<b>Verifiche in esercizio (NTC 2018, § 4.1.2.2)</b>"));
    service_layout->addWidget(service_, 1);
    rows_layout->addWidget(service_part_, 2);
    rows_layout->addWidget(detailing_);
    auto* parts = new QSplitter(Qt::Vertical);
    parts->addWidget(rows);
    parts->addWidget(plots);
    parts->setStretchFactor(0, 3);
    parts->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(settings);
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
    fill_service();
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
        const bool words = column == static_cast<int>(Column::name) || column == static_cast<int>(Column::kind) ||
                           column == static_cast<int>(Column::verdict) ||
                           column == static_cast<int>(Column::shear_verdict);
        const bool fresh = !table_->item(row, column);
        QTableWidgetItem* item = item_at(*table_, row, column, words);
        if (fresh && column >= typed_columns) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
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

void CombinationsWindowView::fill_service() {
    for (int column = 0; column < service_columns; ++column) {
        QTableWidgetItem* header = service_->horizontalHeaderItem(column);
        header->setText(QString::fromStdString(model_.service_title(static_cast<ServiceColumn>(column))));
        header->setToolTip(QString::fromStdString(model_.service_tip(static_cast<ServiceColumn>(column))));
    }
    const std::vector<int> rows = model_.service_rows();
    service_part_->setVisible(!rows.empty());
    service_->setRowCount(static_cast<int>(rows.size()));
    const bool outdated = model_.results_outdated();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        auto* header = service_->verticalHeaderItem(i);
        if (!header) service_->setVerticalHeaderItem(i, header = new QTableWidgetItem);
        header->setText(QString::number(rows[i] + 1));
        for (int column = 0; column < service_columns; ++column) {
            const auto which = static_cast<ServiceColumn>(column);
            const bool words = which == ServiceColumn::name || which == ServiceColumn::kind ||
                               which == ServiceColumn::cracking || which == ServiceColumn::verdict;
            QTableWidgetItem* item = item_at(*service_, i, column, words);
            const QString text = QString::fromStdString(model_.service_cell(rows[i], which));
            if (item->text() != text) item->setText(text);
            // A limit not met shows in red wherever it stands.
            QColor colour = palette().color(QPalette::Text);
            if (which == ServiceColumn::verdict) colour = qcolour(model_.service_colour(rows[i]));
            if (text.endsWith("✘")) colour = qcolour(colours::red);
            if (column > static_cast<int>(ServiceColumn::kind) && outdated)
                colour = palette().color(QPalette::Disabled, QPalette::Text);
            item->setForeground(colour);
        }
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
