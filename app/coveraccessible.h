#pragma once

#include <QAccessibleWidget>

// What a screen reader is told of the cover picture: a push button named by the start window's
// caption, whose press action does what a mouse press on the cover does.
class CoverAccessible : public QAccessibleWidget {
public:
    explicit CoverAccessible(QWidget* cover);

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Gives the start window's cover this description; the others get the usual one.
    static QAccessibleInterface* factory(const QString& className, QObject* object);
};
