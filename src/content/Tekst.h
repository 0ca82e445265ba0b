// Tekst: the code page 1250 boundary. Stored texts are code page 1250 bytes; they become
// QString only for display, and UTF-8 sources become bytes only in the content compiler.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Tekst {

// Code page 1250 bytes to text for display.
QString izCp1250(const QByteArray& bajtovi);

// Deciphers a stored field with its record's key text and converts it for display.
QString Procitaj(const QByteArray& kljuc, const QByteArray& sifrovano);

// Text to code page 1250 bytes; nullopt when a character has no code page 1250 code.
std::optional<QByteArray> uCp1250(const QString& tekst);

}  // namespace Tekst
