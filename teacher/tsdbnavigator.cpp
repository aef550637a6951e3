#include "teacher/tsdbnavigator.h"

#include "data/datasource.h"
#include "data/table.h"
#include "platform/guarded.h"
#include "resources/navigator/navigatorglyphs.h"
#include "skin/core/skinmessage.h"
#include "teacher/deleteconfirmation.h"
#include "teacher/navigatormetrics.h"
#include "teacher/tsnavbutton.h"

#include <QKeyEvent>
#include <bit>

namespace {

// The smallest size the navigator takes with the given number of buttons shown.
QSize minimumSizeFor(int shownButtons)
{
    using namespace metrics::navigator;
    return {shownButtons * minButtonSize + 2 * bevelWidth, minButtonSize + 2 * bevelWidth};
}

} // namespace

TsDBNavigator::TsDBNavigator(QWidget* parent)
    : TsPanel(parent),
      link_({.activeChanged = [this] { activeChanged(); },
             .dataSetChanged = [this] { dataChanged(); },
             .dataSetScrolled = [this](int) { dataChanged(); },
             .recordChanged = [this](const QString&) { dataChanged(); },
             .editingChanged = [this] { editingChanged(); }})
{
    setObjectName(QStringLiteral("TsDBNavigator"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(metrics::navigator::bevelWidth);
    setFocusPolicy(Qt::NoFocus);
    SkinData.setSkinSection(QStringLiteral("TOOLBAR"));
    for (int index = 0; index < buttonCount; ++index) {
        auto* button = new TsNavButton(index, this);
        if (index == nbPrior || index == nbNext)
            button->repeatWhileHeld();
        connectGuarded(button, &QAbstractButton::pressed, this, [this, index] { buttonPressed(index); });
        connectGuarded(button, &QAbstractButton::clicked, this, [this, index] { btnClick(index); });
        buttons_.append(button);
    }
    updateGlyphs();
    updateHints();
    setMinimumSize(minimumSizeFor(buttonCount));
    resize(metrics::navigator::defaultWidth, metrics::navigator::height);
    layoutButtons();
    activeChanged();
}

TsDBNavigator::~TsDBNavigator() = default;

QString TsDBNavigator::defaultHint(int index)
{
    static const char* const hints[buttonCount] = {"First record",  "Prior record",  "Next record", "Last record",
                                                   "Insert record", "Delete record", "Edit record", "Post edit",
                                                   "Cancel edit",   "Refresh data"};
    return index >= 0 && index < buttonCount ? QString::fromLatin1(hints[index]) : QString();
}

void TsDBNavigator::setDataSource(DataSource* source)
{
    if (dataSource_)
        disconnect(dataSource_, &QObject::destroyed, this, nullptr);
    dataSource_ = source;
    link_.setDataSource(source);
    // The data source tells its links nothing when it goes; the navigator then has no table.
    if (source)
        connectGuarded(source, &QObject::destroyed, this, &TsDBNavigator::activeChanged);
    activeChanged();
}

void TsDBNavigator::setVisibleButtons(VisibleButtons buttons)
{
    visibleButtons_ = buttons & AllButtons;
    for (int index = 0; index < buttonCount; ++index)
        buttons_[index]->setVisible(isShown(index));
    setMinimumSize(minimumSizeFor(std::max(1, shownButtonCount())));
    if (!buttons_[focusedButton_]->isVisibleTo(this)) {
        for (int index = 0; index < buttonCount; ++index)
            if (isShown(index)) {
                setFocusedButton(index);
                break;
            }
    }
    layoutButtons();
}

int TsDBNavigator::shownButtonCount() const
{
    return std::popcount(static_cast<unsigned>(visibleButtons_.toInt()));
}

void TsDBNavigator::setHints(const QStringList& hints)
{
    hints_ = hints;
    updateHints();
}

void TsDBNavigator::setShowHint(bool show)
{
    showHint_ = show;
    updateHints();
}

void TsDBNavigator::updateHints()
{
    for (int index = 0; index < buttonCount; ++index) {
        const QString own = hints_.value(index);
        const QString hint = own.isEmpty() ? defaultHint(index) : own;
        buttons_[index]->setAccessibleName(hint);
        buttons_[index]->setToolTip(showHint_ ? hint : QString());
    }
}

void TsDBNavigator::setImages(const QList<QImage>& images)
{
    images_ = images;
    updateGlyphs();
}

void TsDBNavigator::setFirstImageIndex(int index)
{
    firstImageIndex_ = index;
    updateGlyphs();
}

void TsDBNavigator::updateGlyphs()
{
    for (int index = 0; index < buttonCount; ++index) {
        const int image = firstImageIndex_ + index;
        const bool ownImage = image >= 0 && image < images_.size() && !images_[image].isNull();
        buttons_[index]->setGlyph(ownImage ? images_[image] : navigatorGlyph(index));
    }
}

void TsDBNavigator::setTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

Table* TsDBNavigator::openTable() const
{
    if (!dataSource_ || !dataSource_->table() || !dataSource_->table()->isOpen())
        return nullptr;
    return dataSource_->table();
}

bool TsDBNavigator::isActive() const
{
    // The navigator's own enabled setting, not one inherited from a disabled parent.
    return !testAttribute(Qt::WA_ForceDisabled) && openTable() != nullptr;
}

bool TsDBNavigator::canModify() const
{
    return isActive() && openTable()->canModify();
}

void TsDBNavigator::dataChanged()
{
    const bool active = isActive();
    Table* table = openTable();
    const bool atBegin = active && table->bof();
    const bool atEnd = active && table->eof();
    buttons_[nbFirst]->setEnabled(active && !atBegin);
    buttons_[nbPrior]->setEnabled(active && !atBegin);
    buttons_[nbNext]->setEnabled(active && !atEnd);
    buttons_[nbLast]->setEnabled(active && !atEnd);
    buttons_[nbDelete]->setEnabled(canModify() && !(atBegin && atEnd));
}

void TsDBNavigator::editingChanged()
{
    const bool modify = canModify();
    const Table::State state = modify ? openTable()->state() : Table::State::Closed;
    const bool editing = state == Table::State::Edit || state == Table::State::Insert;
    buttons_[nbInsert]->setEnabled(modify);
    buttons_[nbEdit]->setEnabled(modify && !editing);
    buttons_[nbPost]->setEnabled(modify && editing);
    buttons_[nbCancel]->setEnabled(modify && editing);
    buttons_[nbRefresh]->setEnabled(modify);
}

void TsDBNavigator::activeChanged()
{
    if (!isActive()) {
        for (TsNavButton* button : buttons_)
            button->setEnabled(false);
        return;
    }
    dataChanged();
    editingChanged();
}

void TsDBNavigator::btnClick(int index)
{
    if (index < 0 || index >= buttonCount)
        return;
    if (Table* table = openTable()) {
        emit beforeAction(index);
        performAction(table, index);
    }
    emit clicked(index);
}

void TsDBNavigator::performAction(Table* table, int index)
{
    switch (index) {
    case nbFirst: table->first(); break;
    case nbPrior: table->prior(); break;
    case nbNext: table->next(); break;
    case nbLast: table->last(); break;
    case nbInsert: table->insert(); break;
    case nbDelete:
        if (!confirmDelete_ || confirmRecordDelete())
            table->deleteRecord();
        break;
    case nbEdit: table->edit(); break;
    case nbPost: table->post(); break;
    case nbCancel: table->cancel(); break;
    case nbRefresh: table->refresh(); break;
    default: break;
    }
}

void TsDBNavigator::buttonPressed(int index)
{
    // Reached only by Tab, the navigator leaves the keyboard where it was, so that a cell still
    // open in a grid is written by the post it presses.
    if ((focusPolicy() & Qt::ClickFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    setFocusedButton(index);
}

void TsDBNavigator::setFocusedButton(int index)
{
    if (index == focusedButton_)
        return;
    focusedButton_ = index;
    updateFocusMark();
}

void TsDBNavigator::updateFocusMark()
{
    for (int index = 0; index < buttonCount; ++index)
        buttons_[index]->setFocusMarked(hasFocus() && index == focusedButton_);
}

void TsDBNavigator::layoutButtons()
{
    const int b = metrics::navigator::bevelWidth;
    const int shown = shownButtonCount();
    const int n = std::max(1, shown);
    const int inner = width() - 2 * b;
    const int w = inner / n;
    const int remainder = inner - n * w;
    const int h = std::max(0, height() - 2 * b - 1);
    // Spread the remainder pixels evenly over the row instead of piling them up at one end.
    int counter = n / 2;
    int x = b;
    for (int index = 0; index < buttonCount; ++index) {
        TsNavButton* button = buttons_[index];
        if (!isShown(index)) {
            button->setGeometry(width() + 1, b, w, h);
            continue;
        }
        int buttonWidth = w;
        counter -= remainder;
        if (counter < 0) {
            ++buttonWidth;
            counter += n;
        }
        button->setGeometry(x, b, buttonWidth, h);
        x += buttonWidth;
    }
}

bool TsDBNavigator::event(QEvent* event)
{
    const unsigned message = skinMessageOf(event);
    if (message != SKM_SETNEWSKIN && message != SKM_REMOVESKIN && message != SKM_REPAINT)
        return TsPanel::event(event);
    const bool handled = TsPanel::event(event);
    const auto* skinMessage = static_cast<const SkinMessageEvent*>(event);
    for (TsNavButton* button : buttons_)
        sendSkinMessage(button, message, skinMessage->wParam, skinMessage->lParam);
    return handled;
}

void TsDBNavigator::resizeEvent(QResizeEvent* event)
{
    TsPanel::resizeEvent(event);
    layoutButtons();
}

void TsDBNavigator::changeEvent(QEvent* event)
{
    TsPanel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        activeChanged();
}

void TsDBNavigator::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        for (int index = focusedButton_ - 1; index >= 0; --index)
            if (isShown(index)) {
                setFocusedButton(index);
                break;
            }
        return;
    case Qt::Key_Right:
        for (int index = focusedButton_ + 1; index < buttonCount; ++index)
            if (isShown(index)) {
                setFocusedButton(index);
                break;
            }
        return;
    case Qt::Key_Space:
        if (buttons_[focusedButton_]->isEnabled())
            buttons_[focusedButton_]->click();
        return;
    default: TsPanel::keyPressEvent(event);
    }
}

void TsDBNavigator::focusInEvent(QFocusEvent* event)
{
    TsPanel::focusInEvent(event);
    updateFocusMark();
}

void TsDBNavigator::focusOutEvent(QFocusEvent* event)
{
    TsPanel::focusOutEvent(event);
    updateFocusMark();
}
