#include "ui/common/form.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QTableView>
#include <QTextBrowser>

#include <QStyle>

#include <algorithm>
#include <cstdint>

#include "ui/common/controls.h"
#include "ui/common/drawing.h"
#include "ui/common/fonts.h"
#include "ui/common/keypress.h"
#include "ui/common/line.h"
#include "ui/common/picturebox.h"
#include "ui/common/statusbar.h"
#include "ui/common/tablemodel.h"
#include "ui/common/units.h"

namespace ui {
namespace {

namespace design = core::design;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
const char* Name(const design::Control& c) { return c.name.data(); }

Qt::Alignment AlignmentOf(design::Align a)
{
    switch (a) {
    case design::Align::Centre:
        return Qt::AlignHCenter;
    case design::Align::Right:
        return Qt::AlignRight;
    case design::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

QFont FontOf(design::Font f)
{
    switch (f) {
    case design::Font::Bold:
        return DefaultFont(true);
    case design::Font::Splash14:
        return SplashFont(14.25);
    case design::Font::Splash18:
        return SplashFont(18);
    case design::Font::Splash24:
        return SplashFont(24);
    case design::Font::Sans:
        break;
    }
    return DefaultFont();
}

QWidget* MakeMultiLineBox(QWidget* parent, const design::Control& c)
{
    if (c.colour == design::Face && c.Has(design::kBorder)) {
        QPlainTextEdit* box = MakePrintedText(parent, Name(c), c.text.data(), Text(c.accessible));
        box->setReadOnly(c.Has(design::kReadOnly));
        return box;
    }
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(Text(c.name));
    if (c.colour == design::Face) {
        StyleAsCaption(box);
    } else {
        box->setReadOnly(c.Has(design::kReadOnly));
        // Without scroll bars the caret is the way to the rest of a read-only text.
        if (c.Has(design::kReadOnly))
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        StyleAsFixedText(box);
        if (c.Has(design::kScrollBars))
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // A pasted table keeps each line on one line, as a spreadsheet shows it.
        if (design::IsInput(c) && !c.Has(design::kWordWrap)) {
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        }
        if (c.colour == design::Compulsory)
            Colour(box, kCompulsoryRed, parent->palette().color(QPalette::WindowText));
        else if (c.colour == design::Optional)
            Colour(box, kOptionalBlue, kWhite);
    }
    box->setPlainText(WithLineFeeds(c.text.data()));
    box->setAccessibleName(Text(c.accessible));
    return box;
}

QWidget* MakeTextBox(QWidget* window, QWidget* parent, const design::Control& c)
{
    if (c.Has(design::kMultiLine))
        return MakeMultiLineBox(parent, c);
    if (c.colour == design::Face && !c.Has(design::kBorder))
        return MakeCaption(parent, Name(c), Text(c.text), AlignmentOf(c.align));
    QLineEdit* box = MakeBox(parent, Name(c), Text(c.accessible));
    box->setText(Text(c.text));
    box->setReadOnly(c.Has(design::kReadOnly));
    switch (c.colour) {
    case design::Face:  // a display field in a thin line
        StyleAsFlatBox(box);
        break;
    case design::Compulsory:
        Colour(box, kCompulsoryRed, window->palette().color(QPalette::WindowText));
        [[fallthrough]];
    case design::Field:
        TakeAnyLength(box);
        break;
    case design::Optional:
        Colour(box, kOptionalBlue, kWhite);
        TakeAnyLength(box);
        break;
    }
    if (c.align != design::Align::Left)
        box->setAlignment(AlignmentOf(c.align));
    return box;
}

QWidget* MakePicture(QWidget* parent, const design::Control& c)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(Text(c.name));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/") + Text(c.text)).pixmap(design::Px(c.width)));
    picture->setToolTip(Text(c.tip));
    picture->setAccessibleName(Text(c.accessible));
    return picture;
}

QWidget* MakeImage(QWidget* parent, const design::Control& c)
{
    auto* image = new QLabel(parent);
    image->setObjectName(Text(c.name));
    image->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image->setLineWidth(2);
    // The sunken bevel's light edges would be white on a white window: draw
    // them in the classic 3-D greys, which show on it.
    QPalette bevel = image->palette();
    bevel.setColor(QPalette::Light, QColor(192, 192, 192));
    bevel.setColor(QPalette::Midlight, QColor(223, 223, 223));
    bevel.setColor(QPalette::Mid, QColor(160, 160, 160));
    bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
    bevel.setColor(QPalette::Shadow, QColor(64, 64, 64));
    image->setPalette(bevel);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/images/") + Text(c.text)));
    return image;
}

QWidget* Make(QWidget* window, QWidget* parent, const design::Control& c)
{
    switch (c.kind) {
    case design::TextBox:
        return MakeTextBox(window, parent, c);
    case design::Label: {
        QLabel* label = MakeLabel(parent, Text(c.name), Text(c.text), AlignmentOf(c.align), FontOf(c.font));
        label->setWordWrap(c.Has(design::kWordWrap));
        return label;
    }
    case design::Button:
        return MakeButton(parent, Name(c), Text(c.text), c.font == design::Font::Bold, c.Has(design::kWordWrap));
    case design::Picture:
        return MakePicture(parent, c);
    case design::Image:
        return MakeImage(parent, c);
    case design::Line: {
        auto* line = new Line(parent);
        line->setObjectName(Text(c.name));
        return line;
    }
    case design::Frame: {
        auto* frame = new QFrame(parent);
        frame->setObjectName(Text(c.name));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case design::Drawing: {
        auto* drawing = new Drawing(parent, Text(c.name));
        drawing->setAccessibleName(Text(c.accessible));
        return drawing;
    }
    case design::Grid: {
        auto* grid = new QTableView(parent);
        grid->setObjectName(Text(c.name));
        grid->setAccessibleName(Text(c.accessible));
        grid->setModel(new TableModel(grid));
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setTabKeyNavigation(false);
        grid->verticalHeader()->setDefaultSectionSize(design::Px(255));
        grid->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
        return grid;
    }
    case design::StatusBar: {
        auto* bar = new StatusBar(window, Text(c.text));
        bar->setObjectName(Text(c.name));
        return bar;
    }
    case design::Viewer: {
        auto* viewer = new QTextBrowser(parent);
        viewer->setObjectName(Text(c.name));
        viewer->setAccessibleName(Text(c.accessible));
        viewer->setOpenLinks(false);
        return viewer;
    }
    case design::CheckBox: {
        auto* box = new QCheckBox(Text(c.text), parent);
        box->setObjectName(Text(c.name));
        box->setAccessibleName(Text(c.accessible.empty() ? c.text : c.accessible));
        return box;
    }
    }
    return nullptr;
}

void Place(QWidget* control, const design::Control& c)
{
    if (c.kind == design::StatusBar)
        return;  // it docks itself
    const design::PixelRect r = design::Place(c);
    control->setGeometry(r.left, r.top, r.width, r.height);
    if (c.kind != design::Label || !c.Has(design::kAutoSize))
        return;
    // Sized to its text; a centred label keeps the centre of its design place.
    auto* label = static_cast<QLabel*>(control);
    const QRect designed = label->geometry();
    label->adjustSize();
    if (c.align == design::Align::Centre) {
        QRect fitted = label->geometry();
        fitted.moveCenter(QPoint(designed.center().x(), fitted.center().y()));
        label->setGeometry(fitted);
    }
}

}  // namespace

Form::Form(QWidget* window, const design::Window& design) : design_(design)
{
    KeyPressHook* keyPress = nullptr;
    QWidget* previousStop = nullptr;
    for (const design::Control& c : design.controls) {
        QWidget* parent = c.container.empty() ? window : Find(c.container);
        QWidget* control = Make(window, parent, c);
        Place(control, c);
        controls_.insert(Text(c.name), control);
        if (c.Has(design::kNumeric)) {
            if (!keyPress)
                keyPress = new KeyPressHook(window);
            auto* box = static_cast<QLineEdit*>(control);
            if (c.Has(design::kSigned))
                keyPress->Attach(box, [box](std::int16_t& keyAscii) { FilterSignedKeyOf(box, keyAscii); });
            else
                keyPress->Attach(box, [box](std::int16_t& keyAscii) { FilterNumericKeyOf(box, keyAscii); });
        }
        if (c.tab == design::kNoTab)
            continue;
        if (previousStop)
            QWidget::setTabOrder(previousStop, control);
        else
            firstTabStop_ = control;
        previousStop = control;
    }
    for (const design::Control& c : design.controls)
        if (c.kind == design::Label && !c.buddy.empty())
            Get<QLabel>(c.name)->setBuddy(Find(c.buddy));
}

QWidget* Form::Find(std::string_view name) const
{
    return controls_.value(Text(name));
}

void Form::Missing(std::string_view name)
{
    qFatal("the design has no control %.*s of that kind", static_cast<int>(name.size()), name.data());
}

core::Texts Form::Read() const
{
    core::Texts boxes;
    for (const design::Control& c : design_.controls) {
        QWidget* control = Find(c.name);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            boxes.emplace(c.name, box->text().toStdString());
        else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
            boxes.emplace(c.name, text->toPlainText().toStdString());
        else if (auto* check = qobject_cast<QCheckBox*>(control))
            boxes.emplace(c.name, check->isChecked() ? "1" : "");
    }
    return boxes;
}

namespace {

// A row shorter than the table, whose last cell is a note, lets the note run
// across the columns it has no figures for.
void SpanNotes(QTableView* grid, const TableModel& table)
{
    grid->clearSpans();
    const std::size_t columns = table.Columns().size();
    for (std::size_t r = 0; r < table.Rows().size(); ++r)
        if (const std::size_t cells = table.Rows()[r].size(); cells > 0 && cells < columns)
            grid->setSpan(static_cast<int>(r), static_cast<int>(cells - 1), 1, static_cast<int>(columns - cells + 1));
}

// The width of a heading on at most two lines, broken at the space nearest its middle.
int HeadingWidth(const QFontMetrics& fm, const QString& heading)
{
    int best = fm.horizontalAdvance(heading);
    for (qsizetype at = heading.indexOf(' '); at >= 0; at = heading.indexOf(' ', at + 1))
        best = std::min(best, std::max(fm.horizontalAdvance(heading.left(at)), fm.horizontalAdvance(heading.mid(at + 1))));
    return best;
}

// Each column as wide as the widest of its first rows' cells (but a note,
// which runs across the columns it has no figures for), and no narrower than
// a box or its heading, which takes a second line rather than widen it
// further: measuring ten thousand rows would cost more than computing them.
void FitColumns(QTableView* grid, const TableModel& model)
{
    const auto& columns = model.Columns();
    const auto& rows = model.Rows();
    constexpr std::size_t kRowsMeasured = 200;
    constexpr int kNarrowest = 1050;  // twips
    const QFontMetrics fm(grid->font());
    const int margin = 2 * grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 8;
    bool twoLines = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int widest = 0;
        for (std::size_t r = 0; r < std::min(rows.size(), kRowsMeasured); ++r)
            if (i < rows[r].size() && (rows[r].size() == columns.size() || i + 1 < rows[r].size()))
                widest = std::max(widest, fm.horizontalAdvance(QString::fromStdString(rows[r][i])));
        const QString heading = QString::fromStdString(columns[i]);
        widest = std::max({widest, HeadingWidth(fm, heading), design::Px(kNarrowest) - margin});
        twoLines = twoLines || fm.horizontalAdvance(heading) > widest;
        grid->setColumnWidth(static_cast<int>(i), widest + margin);
    }
    grid->horizontalHeader()->setFixedHeight((twoLines ? 2 : 1) * fm.lineSpacing() + 8);
}

}  // namespace

void Form::Show(core::Shown shown) const
{
    for (const auto& [name, text] : shown.texts) {
        QWidget* control = Find(name);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            ShowText(box, QString::fromStdString(text));
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
            plain->setPlainText(QString::fromStdString(text));
        else if (auto* drawing = qobject_cast<Drawing*>(control))
            drawing->Load(QByteArray::fromStdString(text));
    }
    for (const design::Control& c : design_.controls) {
        if (c.kind == design::Drawing && !c.buddy.empty())
            if (const auto* about = qobject_cast<QPlainTextEdit*>(Find(c.buddy)))
                Find(c.name)->setAccessibleDescription(about->toPlainText());
        if (c.kind == design::Grid && shown.table) {
            auto* grid = static_cast<QTableView*>(Find(c.name));
            auto* model = static_cast<TableModel*>(grid->model());
            model->SetTable(std::move(shown.table->columns), std::move(shown.table->rows));
            SpanNotes(grid, *model);
            FitColumns(grid, *model);
        }
    }
}

void Form::Fill(const core::Texts& texts) const
{
    for (const auto& [name, text] : texts) {
        QWidget* to = Find(name);
        if (auto* box = qobject_cast<QLineEdit*>(to))
            box->setText(QString::fromStdString(text));
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(to))
            plain->setPlainText(QString::fromStdString(text));
        else if (auto* check = qobject_cast<QCheckBox*>(to))
            check->setChecked(!text.empty());
    }
}

void ApplyDesign(QWidget* window, const design::Window& design)
{
    window->setObjectName(Text(design.name));
    if (!design.caption.empty())
        window->setWindowTitle(Text(design.caption));
    switch (design.icon) {
    case design::Icon::Calculator:
        window->setWindowIcon(CalculatorIcon());
        break;
    case design::Icon::Question:
        window->setWindowIcon(QIcon(QStringLiteral(":/icons/question.png")));
        break;
    case design::Icon::None:
        break;
    }
}

}  // namespace ui
