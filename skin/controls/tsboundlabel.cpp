#include "skin/controls/tsboundlabel.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace {

// Between a caption on the left and its control.
constexpr int leftGap = 4;

} // namespace

TsBoundLabel::TsBoundLabel(QWidget* control) : m_control(control)
{
    control->installEventFilter(this);
}

TsBoundLabel::~TsBoundLabel()
{
    delete m_label.data();
}

void TsBoundLabel::setActive(bool active)
{
    if (active == Active())
        return;
    if (!active) {
        delete m_label.data();
        return;
    }
    if (!m_control->parentWidget())
        return;
    m_label = new TsEditLabel(m_control);
    arrange();
}

void TsBoundLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    arrange();
}

void TsBoundLabel::setLayout(Layout layout)
{
    m_layout = layout;
    arrange();
}

void TsBoundLabel::setMaxWidth(int width)
{
    m_maxWidth = width;
    arrange();
}

bool TsBoundLabel::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange: arrange(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void TsBoundLabel::arrange()
{
    if (!m_label)
        return;
    m_label->setText(m_caption.isEmpty() ? m_control->objectName() : m_caption);
    m_label->setLayoutDirection(m_control->layoutDirection());
    m_label->setEnabled(m_control->isEnabled());
    m_label->setWordWrap(m_maxWidth != 0);
    m_label->adjustSize();
    const QRect control = m_control->geometry();
    int width = m_label->width();
    int height = m_label->height();
    if (m_maxWidth != 0) {
        width = m_maxWidth;
        height = std::max(m_label->heightForWidth(width), control.height());
    }
    QPoint at;
    switch (m_layout) {
    case sclLeft: at = {control.left() - width - leftGap, control.top() + (control.height() - height) / 2}; break;
    case sclTopLeft: at = {control.left(), control.top() - height}; break;
    case sclTopCenter: at = {control.left() + (control.width() - width) / 2, control.top() - height}; break;
    case sclTopRight: at = {control.left() + control.width() - width, control.top() - height}; break;
    }
    m_label->setGeometry(QRect(at, QSize(width, height)));
    m_label->setVisible(!m_control->isHidden());
}
