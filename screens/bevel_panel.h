#pragma once
// A panel drawn with a raised outer bevel and, for the framed kind, a 4-pixel border and a
// lowered inner bevel. A client widget given to it fills the space inside the bevels and
// follows the panel's size.

#include <QPointer>
#include <QWidget>

class BevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Raised,  // raised 1-pixel bevel only
        Framed,  // raised bevel, 4-pixel border, lowered inner bevel
    };

    BevelPanel(Kind kind, QWidget* parent = nullptr);

    // Drawn centred; a client widget covers it.
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    // Reparents `client` into the panel and keeps it filling the inside.
    void setClient(QWidget* client);
    QWidget* client() const { return client_; }

    int inset() const;  // 1 (raised) or 6 (framed)

    // Fits the client to the panel's current size; the panel does it on every resize, and
    // whoever moves a hidden panel calls it, since a hidden widget hears of no resize.
    void fitClient();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Kind kind_;
    QString caption_;
    QPointer<QWidget> client_;
};
