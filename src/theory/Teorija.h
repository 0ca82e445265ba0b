#pragma once

#include "shell/Prozor.h"

class Teorija : public Prozor {
    Q_OBJECT
public:
    explicit Teorija(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }

private:
    QLabel* m_naslov = nullptr;
};
