#pragma once

#include <QProxyStyle>

// The application's widget style, as it would be, with its standard icons (the title bar
// buttons in every sub-window's menu, the message box symbols) read only when one is first
// drawn or measured. Qt decodes each such icon as it is made, and every sub-window makes
// four that are seldom shown.
class Stil : public QProxyStyle {
    Q_OBJECT
public:
    Stil();
    QIcon standardIcon(StandardPixmap vrsta, const QStyleOption* opcija = nullptr,
        const QWidget* widget = nullptr) const override;
};
