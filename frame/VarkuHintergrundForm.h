#pragma once

#include <QPixmap>
#include <QWidget>

namespace varku {

// Das Fenster hinter allen anderen; es hat kein Verhalten.
class VarkuHintergrundForm : public QWidget {
    Q_OBJECT
public:
    VarkuHintergrundForm();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_bild;
};

} // namespace varku
