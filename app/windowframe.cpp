#include "app/windowframe.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

namespace app {

namespace {

constexpr int buttonPx = 22;      // square, centred in the title bar's height
constexpr int buttonGapPx = 4;    // between the two buttons
constexpr int buttonRightPx = 6;  // from the close button to the frame's right edge
constexpr int iconPx = 20;
constexpr int iconLeftPx = 6;
constexpr int titlePointSize = 10;

// The frame is the window to a screen reader (a frame, named by its title),
// not a plain pane. Qt's accessibility cache owns what the factory makes.
QAccessibleInterface* frameFactory(const QString& className, QObject* object)
{
    if (object != nullptr && className == QLatin1String("app::WindowFrame")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

bool needsOwnFrame(const QString& platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

// ---------------------------------------------------------------- TitleButton

TitleButton::TitleButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), m_glyph(glyph)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(buttonPx, buttonPx);
    setAttribute(Qt::WA_Hover);
}

void TitleButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    const QPalette& pal = palette();
    if (isDown() || underMouse()) {
        p.fillRect(rect(), pal.color(QPalette::Button).darker(isDown() ? 130 : 110));
    }
    const bool active = window()->isActiveWindow();
    QPen pen(pal.color(active ? QPalette::Active : QPalette::Inactive, QPalette::WindowText), 2);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF glyph = QRectF(rect()).adjusted(7, 7, -7, -7);
    if (m_glyph == Glyph::minimise) {
        p.drawLine(glyph.bottomLeft(), glyph.bottomRight());
    } else {
        p.drawLine(glyph.topLeft(), glyph.bottomRight());
        p.drawLine(glyph.bottomLeft(), glyph.topRight());
    }
}

// ---------------------------------------------------------------- WindowFrame

WindowFrame::WindowFrame(QWidget& content)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_content(content),
      // The factory before the buttons: their first accessibility event can
      // make the frame's interface, which Qt then keeps.
      m_minimise((QAccessible::installFactory(frameFactory), new TitleButton(TitleButton::Glyph::minimise, this))),
      m_close(new TitleButton(TitleButton::Glyph::close, this))
{
    setObjectName(QStringLiteral("WindowFrame"));
    m_minimise->setObjectName(QStringLiteral("minimiseButton"));
    m_minimise->setAccessibleName(QStringLiteral("Réduire"));
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setAccessibleName(QStringLiteral("Fermer"));
    connect(m_minimise, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(m_close, &QAbstractButton::clicked, this, &QWidget::close);

    setWindowTitle(content.windowTitle());
    setWindowIcon(content.windowIcon());
    // The window inside keeps its fixed size, and the frame takes its own
    // from it: the layout fixes the frame's size to the window's plus the
    // bar and the border, again whenever the window changes its size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(borderPx, titleBarPx, borderPx, borderPx);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    content.setParent(this);
    layout->addWidget(&content);
    content.show();  // a widget given a new parent is hidden until shown
    content.installEventFilter(this);
    placeButtons();
}

WindowFrame::~WindowFrame()
{
    m_content.removeEventFilter(this);
    m_content.setParent(nullptr);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_content) {
        if (event->type() == QEvent::WindowTitleChange) {
            setWindowTitle(m_content.windowTitle());
        } else if (event->type() == QEvent::WindowIconChange) {
            setWindowIcon(m_content.windowIcon());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WindowFrame::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    p.fillRect(rect(), pal.color(group, QPalette::Window));
    p.setPen(pal.color(group, QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QIcon icon = windowIcon();
    int textLeft = iconLeftPx;
    if (!icon.isNull()) {
        icon.paint(&p, QRect(iconLeftPx, (titleBarPx - iconPx) / 2, iconPx, iconPx));
        textLeft += iconPx + iconLeftPx;
    }
    QFont font = p.font();
    font.setPointSize(titlePointSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(pal.color(group, QPalette::WindowText));
    // Centred on the frame, and never under the icon or the buttons.
    const QRect bar(textLeft, 0, m_minimise->x() - buttonGapPx - textLeft, titleBarPx);
    const QString title = p.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, bar.width());
    const int width = p.fontMetrics().horizontalAdvance(title);
    const int left = std::clamp((this->width() - width) / 2, bar.left(), bar.left() + bar.width() - width);
    p.drawText(QRect(left, 0, width, titleBarPx), Qt::AlignVCenter | Qt::AlignLeft, title);
}

void WindowFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < titleBarPx && windowHandle() != nullptr &&
        windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void WindowFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    if (m_content.isHidden() || m_content.close()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void WindowFrame::placeButtons()
{
    const int top = (titleBarPx - buttonPx) / 2;
    m_close->move(width() - buttonRightPx - buttonPx, top);
    m_minimise->move(m_close->x() - buttonGapPx - buttonPx, top);
}

}  // namespace app
