#include "print/Common_DlgMargin02_Page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

#include "print/MarginSheetModel.h"

namespace {

enum class Direction { Left, Right, Up, Down };

// An arrow in the direction of the move; the three states of the button
// (normal, pressed, focused) differ in colour.
QPixmap arrow(Direction d, const QColor& fill)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(12, 12);
    p.rotate(d == Direction::Right ? 0 : d == Direction::Down ? 90 : d == Direction::Left ? 180 : 270);
    QPainterPath path;
    path.moveTo(8, 0);
    path.lineTo(-2, -8);
    path.lineTo(-2, -3);
    path.lineTo(-8, -3);
    path.lineTo(-8, 3);
    path.lineTo(-2, 3);
    path.lineTo(-2, 8);
    path.closeSubpath();
    p.fillPath(path, fill);
    return pm;
}

QIcon arrowIcon(Direction d)
{
    QIcon icon;
    icon.addPixmap(arrow(d, QColor(60, 60, 60)), QIcon::Normal);
    icon.addPixmap(arrow(d, QColor(0, 0, 0)), QIcon::Selected);
    icon.addPixmap(arrow(d, QColor(0, 90, 200)), QIcon::Active);
    return icon;
}

struct ButtonText {
    const char* letter;
    const char* german;
    const char* english;
};

const ButtonText Buttons[4] = {
    {"L", "Verschiebt die Druckmarkierung 0,5mm nach links", "Moves the print mark 0,5mm to the left"},
    {"R", "Verschiebt die Druckmarkierung 0,5mm nach rechts", "Moves the print mark 0,5mm to the right"},
    {"O", "Verschiebt die Druckmarkierung 0,5mm nach oben", "Moves the print mark 0,5mm up"},
    {"U", "Verschiebt die Druckmarkierung 0,5mm nach unten", "Moves the print mark 0,5mm down"},
};

} // namespace

Common_DlgMargin02_Page::Common_DlgMargin02_Page(MarginSheetModel& model, int page, int language, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_page(page)
{
    const bool english = language == 1;
    const auto tip = [english](const char* german, const char* en) {
        return english ? QString::fromUtf8(en) : QString::fromUtf8(german);
    };

    m_horizontalText = new QLineEdit(this);
    m_horizontalText->setObjectName(QStringLiteral("offsetHorizontal"));
    m_horizontalText->setReadOnly(true);
    m_horizontalText->setToolTip(tip("Der linke Rand wird um diesen Wert verändert",
                                     "The left margin is changed by this value"));
    m_verticalText = new QLineEdit(this);
    m_verticalText->setObjectName(QStringLiteral("offsetVertical"));
    m_verticalText->setReadOnly(true);
    m_verticalText->setToolTip(tip("Der obere Rand wird um diesen Wert verändert",
                                   "The top margin is changed by this value"));
    m_suppress = new QCheckBox(QStringLiteral("Vor dem Druck diesen Dialog nicht anzeigen"), this);
    m_suppress->setObjectName(QStringLiteral("suppress"));
    m_suppress->setToolTip(tip("Verhindert diesen Dialog vor jedem Druckvorgang",
                               "Prevents this dialog before every printout"));

    const Direction directions[4] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};
    QToolButton* buttons[4];
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("move%1").arg(QLatin1String(Buttons[i].letter)));
        b->setText(QLatin1String(Buttons[i].letter));
        b->setIcon(arrowIcon(directions[i]));
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setToolTip(tip(Buttons[i].german, Buttons[i].english));
        buttons[i] = b;
    }
    connect(buttons[0], &QToolButton::clicked, this, [this] { move(true, false); });
    connect(buttons[1], &QToolButton::clicked, this, [this] { move(true, true); });
    connect(buttons[2], &QToolButton::clicked, this, [this] { move(false, false); });
    connect(buttons[3], &QToolButton::clicked, this, [this] { move(false, true); });

    auto* grid = new QGridLayout;
    grid->addWidget(buttons[0], 0, 0);
    grid->addWidget(m_horizontalText, 0, 1);
    grid->addWidget(buttons[1], 0, 2);
    grid->addWidget(buttons[2], 1, 0);
    grid->addWidget(m_verticalText, 1, 1);
    grid->addWidget(buttons[3], 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_suppress);
    layout->addStretch();
    refreshTexts();
}

void Common_DlgMargin02_Page::takeSharedFlag()
{
    m_suppress->setChecked(m_model.suppressed());
}

void Common_DlgMargin02_Page::handBackSharedFlag()
{
    m_model.setSuppressed(m_suppress->isChecked());
}

QString Common_DlgMargin02_Page::horizontalText() const
{
    return m_horizontalText->text();
}

QString Common_DlgMargin02_Page::verticalText() const
{
    return m_verticalText->text();
}

void Common_DlgMargin02_Page::move(bool horizontal, bool increase)
{
    const auto step = increase ? &MarginSheetModel::increased : &MarginSheetModel::decreased;
    if (horizontal)
        m_model.setHorizontal(m_page, step(m_model.horizontal(m_page)));
    else
        m_model.setVertical(m_page, step(m_model.vertical(m_page)));
    m_modified = true;
    refreshTexts();
}

void Common_DlgMargin02_Page::refreshTexts()
{
    m_horizontalText->setText(MarginSheetModel::horizontalText(m_model.horizontal(m_page)));
    m_verticalText->setText(MarginSheetModel::verticalText(m_model.vertical(m_page)));
}
