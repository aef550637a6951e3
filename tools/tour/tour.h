#pragma once

#include <QString>
#include <functional>

class QWidget;

// One leg of the tour: acts on the running program as a user would and takes screenshots.
// Legs run in the order of their number; each window group registers its own.
struct TourLeg {
    int order;
    QString name;
    std::function<void()> run;
};

class Tour {
public:
    static void add(TourLeg leg);
    static const QList<TourLeg>& legs();

    // Saves a PNG of the window as it is on screen now, named "<nn>-<name>.png".
    static void shoot(QWidget* window, const QString& name);
    // Lets the program handle its pending events (and HTML views finish loading).
    static void settle(int milliseconds = 200);
    static void setOutputFolder(const QString& folder);
    static QStringList shots();
};

// Registers a leg at program start: static TourRegistration r{10, "cover", [] { ... }};
struct TourRegistration {
    TourRegistration(int order, const QString& name, std::function<void()> run);
};
