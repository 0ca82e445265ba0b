#pragma once

#include "shell/Prozor.h"

class Znakovi : public Prozor {
    Q_OBJECT
public:
    explicit Znakovi(QWidget* parent = nullptr);
    QLabel* Naslov() const override { return m_naslov; }
    // Builds the catalogue of one sign category; false when it could not be loaded.
    bool Izgradi(qint16 kategorija);
private:
    QLabel* m_naslov = nullptr;
};
