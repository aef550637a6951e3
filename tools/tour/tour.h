#pragma once

#include <QString>
#include <functional>

class QWidget;

// One leg of the tour: acts on the running program as a user would and takes screenshots.
struct TourLeg {
    QString name;
    std::function<void()> run;
};

class Tour {
public:
    // Every leg, in the order they run.
    static const QList<TourLeg>& legs();

    // Saves a PNG of the window as it is on screen now, named "<nn>-<name>.png".
    static void shoot(QWidget* window, const QString& name);
    // Lets the program handle its pending events (and HTML views finish loading).
    static void settle(int milliseconds = 200);
    static void setOutputFolder(const QString& folder);
    static QStringList shots();
};

// The legs, each defined in the tour_*.cpp file of its window group. A leg starts where the one
// before it left the program (which windows are open, which skin is worn), so the order they run
// in is written once, in Tour::legs().
namespace tourlegs {
// tour_start.cpp
void startWindow();
void coverPress();
// tour_browsing.cpp
void lectures();
void secondLecture();
void zoomedLecture();
void document();
void manual();
void presentations();
void multimedia();
void photos();
// tour_menus.cpp
void mainMenuOpen();
// tour_search.cpp
void searchBar();
void courseSearch();
void transferDialogs();
// tour_testing.cpp
void registration();
void answering();
void result();
// tour_radio.cpp
void answerLetters();
// tour_teacher.cpp
void wrongLogin();
void rightLogin();
void editorPages();
void cellEditor();
// tour_buttons.cpp
void loginButton();
void navigatorLooks();
void exampleSkinButtons();
// tour_pages.cpp
void pageControl();
// tour_edits.cpp
void mediaList();
void topicTree();
void loginEdits();
void questionEdits();
// tour_frame.cpp
void systemMenu();
void exampleSkin();
} // namespace tourlegs
