#pragma once

#include <QUrl>
#include <functional>

// Opens addresses on the Internet through the desktop (the program's home page, links of the help).
class Internet {
public:
    // The program's home page.
    static inline const QUrl Adresa { QStringLiteral("https://www.karuvel.rs/") };

    // Hands the address to the desktop; a failure is ignored.
    static void Otvori(const QUrl& adresa = Adresa);

    // What hands an address to the desktop; returns whether it succeeded.
    using Otvarac = std::function<bool(const QUrl&)>;
    // Puts another opener in place (tests); an empty one restores the desktop's. Returns the previous one.
    static Otvarac ZameniOtvarac(Otvarac otvarac);

private:
    static Otvarac& Trenutni();
};
