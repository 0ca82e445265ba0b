#pragma once

#include "shell/Prozor.h"

class ZnakoviTest : public Prozor {
    Q_OBJECT
public:
    explicit ZnakoviTest(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }

private:
    QLabel* m_naslov = nullptr;
};
