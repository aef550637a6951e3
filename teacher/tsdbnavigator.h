#pragma once

#include "data/datasource.h"
#include "data/forwardingdatalink.h"
#include "skin/controls/tspanel.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>

class Table;
class TsNavButton;

// A bar of ten buttons that moves through and edits the table of one data source, keeping each
// button enabled only where its action makes sense for the table's position and edit state.
class TsDBNavigator : public TsPanel {
    Q_OBJECT

public:
    // Button indexes, in their fixed order from left to right.
    enum NavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
    static constexpr int buttonCount = 10;
    // A set of buttons: the flag of button i is bit i.
    enum VisibleButton {
        FirstButton = 1 << nbFirst,
        PriorButton = 1 << nbPrior,
        NextButton = 1 << nbNext,
        LastButton = 1 << nbLast,
        InsertButton = 1 << nbInsert,
        DeleteButton = 1 << nbDelete,
        EditButton = 1 << nbEdit,
        PostButton = 1 << nbPost,
        CancelButton = 1 << nbCancel,
        RefreshButton = 1 << nbRefresh,
        AllButtons = (1 << buttonCount) - 1
    };
    Q_DECLARE_FLAGS(VisibleButtons, VisibleButton)

    explicit TsDBNavigator(QWidget* parent = nullptr);
    ~TsDBNavigator() override;

    DataSource* dataSource() const { return dataSource_; }
    void setDataSource(DataSource* source);

    VisibleButtons visibleButtons() const { return visibleButtons_; }
    void setVisibleButtons(VisibleButtons buttons);

    bool confirmDelete() const { return confirmDelete_; }
    void setConfirmDelete(bool confirm) { confirmDelete_ = confirm; }

    // Hint texts by button index; an empty line keeps that button's default hint.
    QStringList hints() const { return hints_; }
    void setHints(const QStringList& hints);
    // Hints pop up only when the window shows hints; the texts always name the buttons for
    // assistive technology.
    bool showHint() const { return showHint_; }
    void setShowHint(bool show);

    // Images from firstImageIndex on replace the built-in glyphs, button by button.
    const QList<QImage>& images() const { return images_; }
    void setImages(const QList<QImage>& images);
    int firstImageIndex() const { return firstImageIndex_; }
    void setFirstImageIndex(int index);

    // A tab-stop navigator is used with the keyboard too: Left and Right move the focus mark,
    // Space presses the marked button.
    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

    TsNavButton* button(int index) const { return buttons_.value(index); }
    int focusedButton() const { return focusedButton_; }
    static QString defaultHint(int index);

    // What pressing button index does: beforeAction, the action on the table, then clicked.
    void btnClick(int index);

signals:
    // With the button index before the action of a pressed button.
    void beforeAction(int index);
    // With the button index after a button was pressed, with or without a table.
    void clicked(int index);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The three updates, called by the data link and on changes of the navigator itself.
    void activeChanged();
    void dataChanged();
    void editingChanged();

    bool isShown(int index) const { return visibleButtons_.testFlag(VisibleButton(1 << index)); }
    int shownButtonCount() const;
    Table* openTable() const;
    bool isActive() const;  // enabled and the table open
    bool canModify() const; // and the table accepts changes
    void performAction(Table* table, int index);
    void buttonPressed(int index);
    void layoutButtons();
    void updateGlyphs();
    void updateHints();
    void setFocusedButton(int index);
    void updateFocusMark();

    ForwardingDataLink link_;
    QPointer<DataSource> dataSource_;
    QList<TsNavButton*> buttons_;
    VisibleButtons visibleButtons_ = AllButtons;
    bool confirmDelete_ = true;
    QStringList hints_;
    bool showHint_ = false;
    QList<QImage> images_;
    int firstImageIndex_ = 0;
    int focusedButton_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TsDBNavigator::VisibleButtons)
