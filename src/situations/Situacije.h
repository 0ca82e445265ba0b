#pragma once

#include "shell/Prozor.h"

class Situacije : public Prozor {
    Q_OBJECT
public:
    explicit Situacije(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }

private:
    QLabel* m_naslov = nullptr;
};
