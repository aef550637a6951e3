#pragma once

#include "platform/form.h"

#include <QIcon>
#include <QMargins>
#include <QList>

class CourseSearchWindow;
struct CourseDocument;
class HtmlView;
class QAction;
class QMenu;
class QMenuBar;
class ReadingComfort;
class SearchBar;
class TsPanel;
class TsSkinProvider;
class TsTreeView;

// The main window: the course menu, the topic tree and the HTML view.
class TForm3 : public Form {
    Q_OBJECT

public:
    TForm3();

    QMenuBar* MainMenu1 = nullptr;
    QAction* N1 = nullptr;  // Лекции
    QAction* N15 = nullptr; // Презентации
    QAction* N16 = nullptr; // Мультимедиа
    QAction* N4 = nullptr;  // Фото
    QAction* N2 = nullptr;  // Тестирование
    QAction* N5 = nullptr;  // Преподаватель
    QMenu* N6 = nullptr;    // УМКД
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* N11 = nullptr;
    QAction* N12 = nullptr;
    QAction* N13 = nullptr;
    QAction* N111 = nullptr;
    QAction* N121 = nullptr;
    QAction* N131 = nullptr;
    QAction* N14 = nullptr; // Руководство пользователя
    QAction* N3 = nullptr;  // Выход

    TsPanel* Panel1 = nullptr;
    TsTreeView* TreeView1 = nullptr;
    TsPanel* Panel2 = nullptr;
    HtmlView* WebBrowser1 = nullptr;
    QList<QIcon> ImageList1;

    // "лекции", "презентации", or empty before the first choice.
    const QString& browsingMode() const { return mode_; }

    // Adds a topic at the end of the topic tree.
    void addTopic(const QString& text);

    void N1Click();
    void N15Click();
    void N16Click();
    void N4Click();
    void N2Click();
    void N5Click();
    void N14Click();
    void N3Click();
    // The ten course documents share one handler; the item says which file it shows.
    void showDocument(const QString& fileName);
    void TreeView1Click();

    TsSkinProvider* sSkinProvider1 = nullptr;
    ReadingComfort* readingComfort = nullptr;
    // Ctrl+F: the bar over the HTML view, made when first asked for.
    SearchBar* searchBar();

    // Ctrl+Shift+F: the course search window, made when first asked for.
    CourseSearchWindow* courseSearch();
    // The lectures (by the table, without moving its cursor) and the course documents.
    QList<CourseDocument> courseDocuments() const;
    // Shows a document the course search found, at the first of the hits.
    void openSearchHit(const QString& path, const QString& topic, const QString& query);

protected:
    void createControls() override;
    // Whenever it is shown, the main window, frame included, covers the screen's work area.
    void placeOnScreen() override;
    // A frame that arrives after the window is up (the desktop's, or a skinned one) is fitted too.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openMainMenu();

    QMargins fittedFrame_;

    QAction* addMenuItem(QWidget* menu, const QString& name, const QString& caption, void (TForm3::*handler)());
    QAction* addDocumentItem(const QString& name, const QString& caption, const QString& fileName);
    void chooseMode(const QString& mode, class Table* table);

    QString mode_;
    CourseSearchWindow* courseSearch_ = nullptr;
    SearchBar* searchBar_ = nullptr;
    QString pendingHitQuery_;
};

extern TForm3* Form3;
