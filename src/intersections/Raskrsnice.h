#pragma once

#include "shell/Prozor.h"

class Raskrsnice : public Prozor {
    Q_OBJECT
public:
    explicit Raskrsnice(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }

private:
    QLabel* m_naslov = nullptr;
};
