// The picture stream: any bytes as the stream of a picture (header and GIF or JPEG file),
// decoded as the picture loader decodes it.
#include "Zajednicko.h"

#include "content/ResPicture.h"

KARUVEL_FUZZ_PRIPREMA

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* podaci, size_t velicina)
{
    ResPicture::Tok tok(Fuzz::Bajtovi(podaci, velicina));
    tok.open(QIODevice::ReadOnly);
    ResPicture::Greska greska;
    ResPicture::Dekodiraj(tok, greska);
    return 0;
}
