// ResPicture: a picture from the program's resources, by kind and number.
//
// The program's own pictures are the Qt resources ":/<kind>/<number>" (kinds ZNAK,
// SITUACIJA, RASKRSNICA). Pictures of another module come from an external Qt resource
// bundle (.rcc) that the object maps under a resource root of its own.
//
// The resource's bytes are put behind an 8-byte header ("lt", two zero bytes, the file's
// length L as 32-bit little-endian) and read back through a read-only stream (Tok), the way
// a picture object persists itself; the decoder reads the header, checks it and decodes
// the GIF or JPEG file that follows with QImageReader.
//
// Nothing throws. A failed load returns a null QImage and leaves the error's number and
// description in Err(). Create one object per picture and drop it after the load. The first
// pictures of the program's own resources (a few megabytes of them) are decoded once: later
// loads return the same picture.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <QVariant>
#include <QtGlobal>

class ResPicture {
public:
    // Error numbers: the object-error base and base + 1 for another module, and the
    // numbers of the program's runtime for its own resources and for bad pictures.
    static constexpr qint32 GreskaOtvaranja = -2147221504;  // 0x80040000: "Cannot open ..."
    static constexpr qint32 GreskaResursa = -2147221503;    // 0x80040001: resource not found
    static constexpr qint32 NemaResursa = 326;   // own resource missing
    static constexpr qint32 LosaSlika = 481;     // the picture cannot be decoded ("Invalid picture")

    // The last error of the object; Number 0 when the last operation succeeded.
    struct Greska {
        qint32 Number = 0;
        QString Description;
    };

    // The picture stream: header and picture file, read-only. Read and seek follow the
    // stream rules: a read returns the bytes that remain (short at the end, then 0); a seek
    // from the end by d goes to 8 + L + d. Writing is refused.
    class Tok : public QIODevice {
    public:
        enum Pocetak { OdPocetka = 0, OdTrenutnog = 1, OdKraja = 2 };

        explicit Tok(const QByteArray& podaci, QObject* parent = nullptr);
        // Header followed by the file bytes.
        static QByteArray Zaglavlje(qint64 duzinaFajla);

        // Moves the read position by origin (0 start, 1 current, 2 end); any other origin
        // leaves it. Returns the new position.
        qint64 Seek(qint64 pomak, int pocetak);

        bool isSequential() const override { return false; }
        qint64 size() const override { return m_podaci.size(); }
        bool seek(qint64 pos) override;

    protected:
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }

    private:
        QByteArray m_podaci;
    };

    ResPicture();
    ~ResPicture();
    ResPicture(const ResPicture&) = delete;
    ResPicture& operator=(const ResPicture&) = delete;

    // The resource bundle (.rcc) whose pictures are read; empty for the program's own.
    QString FileName() const { return m_FileName; }
    // Maps the bundle under this object's own root. The file is checked whole first
    // (IspravanPaket); a damaged bundle is not a resource bundle. On failure (file missing,
    // unreadable or not a resource bundle) returns false, sets Err() to GreskaOtvaranja with
    // "Cannot open <name>. GetLastError returns: <code>", and later loads read the program's
    // own resources; FileName() keeps the new name.
    bool setFileName(const QString& New_FileName);

    // The bundle in memory whose pictures are read: the start of the bundle's bytes, 0 for
    // the program's own resources. After setFileName it is the bundle that the object read.
    // A bundle given here is the program's own memory and is trusted as it is; it belongs to
    // the caller: the object maps it under its own root and
    // unmaps it later, but never frees it; the bytes must stay alive while it is set.
    quintptr hInstance() const { return m_hInstance; }
    void sethInstance(quintptr New_hInstance);

    // Loads resource ID of kind ResType ("ZNAK", "SITUACIJA", "RASKRSNICA"). An ID (or kind)
    // that reads as a number is looked up by that number ("12", " 12" and 12 alike).
    // A null image and Err() on failure: resource missing, header damaged, the decoder
    // reporting an error, or a decoded size other than the one in the file's own header
    // (a truncated JPEG decodes "successfully" otherwise).
    QImage LoadResPicture(const QVariant& ResType, const QVariant& ID);

    const Greska& Err() const { return m_Err; }

    // Whether bytes are a resource bundle (.rcc, format versions 1 to 3) that Qt can map and
    // read without a single read outside them: the header's magic, version, flags and offsets;
    // every node reachable from the root (once only) with its record, its name (one path
    // element) and its data inside the bytes; a compressed file's unpacked size known and at most NajvecaSlika.
    static bool IspravanPaket(const QByteArray& paket);
    // The largest bundle that is read, and the largest unpacked file inside it.
    static constexpr qint64 NajveciPaket = 256 * 1024 * 1024;
    static constexpr qint64 NajvecaSlika = 32 * 1024 * 1024;

    // The picture decoder on its own: reads the header from the stream at its current
    // position, then the picture file. Exposed for tests.
    static QImage Dekodiraj(QIODevice& tok, Greska& greska);

private:
    void Oslobodi();
    QString Koren() const;

    quintptr m_hInstance = 0;
    QString m_FileName;
    QByteArray m_Bundle;      // bundle read by setFileName (owned)
    bool m_mapiran = false;   // m_hInstance is mapped under Koren()
    int m_id;                 // for the object's own root
    Greska m_Err;
};
