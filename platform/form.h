#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class QVBoxLayout;

// The common base of every window. Controls live in a client-area child at their designed
// positions, so that a skinned frame can surround it without moving them. Every form registers
// itself in one program-wide list in creation order; skin changes are delivered along it.
class Form : public QWidget {
    Q_OBJECT

public:
    // designedOuter: the window's designed screen position and outer size (frame included).
    Form(const QString& instanceName, const QString& caption, const QRect& designedOuter);
    ~Form() override;

    QWidget* client() const { return client_; }

    static const QList<Form*>& all();
    static QSize clientSizeForOuter(const QSize& outer);

    // Every window that is shown, or shown again while visible, comes to the front within the
    // work area, as a shown window does on the desktops the program comes from.
    void setVisible(bool visible) override;

protected:
    // Closing a window only hides it; the start window overrides this to end the program.
    void closeEvent(QCloseEvent* event) override;
    // Puts the shown window on the screen; a window that does not fit is moved and shrunk.
    virtual void placeOnScreen();

private:
    QWidget* client_;
};
