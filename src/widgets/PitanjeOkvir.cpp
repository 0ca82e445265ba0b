#include "widgets/PitanjeOkvir.h"

#include "widgets/Izgled.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// A label with a black edge, whatever the colour of its text (a plain QFrame border takes
// the text colour): one pixel, or IvicaIzabranog for the chosen answer. While the frame has
// the keyboard focus, the answer under the cursor carries a dotted rectangle inside it.
class LabelSaOkvirom : public QLabel {
public:
    using QLabel::QLabel;

    PitanjeOkvir* okvir = nullptr;  // set for the answers
    int broj = 0;                   // 1..3 for the answers, 0 for the question

    bool Izabran() const { return okvir && okvir->Izabran() == broj; }
    bool Tekuci() const { return okvir && okvir->hasFocus() && okvir->Tekuci() == broj; }

protected:
    void paintEvent(QPaintEvent* dogadjaj) override
    {
        QLabel::paintEvent(dogadjaj);
        QPainter p(this);
        const int ivica = Izabran() ? PitanjeOkvir::IvicaIzabranog : PitanjeOkvir::IvicaOdgovora;
        p.fillRect(0, 0, width(), ivica, Qt::black);
        p.fillRect(0, height() - ivica, width(), ivica, Qt::black);
        p.fillRect(0, 0, ivica, height(), Qt::black);
        p.fillRect(width() - ivica, 0, ivica, height(), Qt::black);
        if (Tekuci()) {
            p.setPen(QPen(Qt::black, 1, Qt::DotLine));
            p.drawRect(rect().adjusted(ivica + 1, ivica + 1, -ivica - 2, -ivica - 2));
        }
    }
};

// What a screen reader is told of an answer: a radio button with the answer's text,
// checked when chosen, unavailable when disabled; after "Provera" its description says
// whether it is the right answer. Pressing it chooses it.
class OdgovorDostupan : public QAccessibleWidget {
public:
    explicit OdgovorDostupan(LabelSaOkvirom* odgovor)
        : QAccessibleWidget(odgovor, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Odgovor()->text();
        if (t == QAccessible::Description)
            return Odgovor()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Odgovor()->Izabran();
        s.focusable = true;
        s.focused = Odgovor()->Tekuci();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& akcija) override
    {
        if (akcija == pressAction())
            Odgovor()->okvir->Izaberi(Odgovor()->broj);
        else
            QAccessibleWidget::doAction(akcija);
    }

private:
    LabelSaOkvirom* Odgovor() const { return static_cast<LabelSaOkvirom*>(widget()); }
};

QAccessibleInterface* DostupanOdgovor(const QString&, QObject* objekat)
{
    auto* label = dynamic_cast<LabelSaOkvirom*>(objekat);
    if (label && label->okvir && label->broj > 0)
        return new OdgovorDostupan(label);
    return nullptr;
}

// The name of a mark before "Provera": it tells nothing about the answer.
QString NeutralnaOznaka(int j)
{
    return QStringLiteral("oznaka odgovora %1").arg(j);
}

LabelSaOkvirom* NapraviLabel(QWidget* roditelj, const QString& ime, const QRect& mesto, qreal tacke,
    const QColor& pozadina)
{
    auto* label = new LabelSaOkvirom(roditelj);
    label->setMargin(3);
    label->setObjectName(ime);
    label->setGeometry(mesto);
    label->setFont(Izgled::Arial(tacke, true));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    Izgled::Boje(label, PitanjeOkvir::BojaTeksta, pozadina);
    QPalette p = label->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, PitanjeOkvir::SivTekst);
    p.setColor(QPalette::Disabled, QPalette::Text, PitanjeOkvir::SivTekst);
    label->setPalette(p);
    return label;
}
}

PitanjeOkvir::PitanjeOkvir(int k, const QRect& geometrija, const Mere& mere, QWidget* roditelj)
    : QGroupBox(roditelj)
    , m_k(k)
{
    setObjectName(QStringLiteral("Frame2_%1").arg(k - 1));
    setTitle(QStringLiteral("Pitanje %1").arg(k));
    setGeometry(geometrija);
    setFont(Izgled::Arial(mere.tackePitanja, true));
    Izgled::BojaTeksta(this, Qt::black);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title());

    static const bool fabrika = [] {
        QAccessible::installFactory(DostupanOdgovor);
        return true;
    }();
    Q_UNUSED(fabrika);

    m_label[0] = NapraviLabel(this, QStringLiteral("Label%1_0").arg(k), mere.pitanje,
        mere.tackePitanja, BojaPitanja);
    for (int j = 1; j <= 3; ++j) {
        const auto i = static_cast<std::size_t>(j);
        LabelSaOkvirom* odgovor = NapraviLabel(this, QStringLiteral("Label%1_%2").arg(k).arg(j),
            mere.odgovori[i - 1], mere.tackeOdgovora, BojaOdgovora);
        odgovor->okvir = this;
        odgovor->broj = j;
        odgovor->setCursor(Qt::PointingHandCursor);
        m_label[i] = odgovor;

        auto* oznaka = new QLabel(this);
        oznaka->setObjectName(QStringLiteral("Image%1_%2").arg(k).arg(j));
        oznaka->setGeometry(mere.oznake[i - 1]);
        oznaka->hide();
        // Named so that a reader does not fall back on the frame's caption.
        oznaka->setAccessibleName(NeutralnaOznaka(j));
        m_image[i] = oznaka;
    }
    for (QLabel* label : m_label)
        label->installEventFilter(this);
}

void PitanjeOkvir::OznaciIzbor(int j)
{
    if (j < 1 || j > 3)
        return;
    m_izabran = j;
    Izgled::Pozadina(Label(j), BojaIzabranog);
    for (int j = 1; j <= 3; ++j)
        Label(j)->setEnabled(false);
    QAccessible::State promena;
    promena.checked = true;
    QAccessibleStateChangeEvent dogadjaj(Label(j), promena);
    QAccessible::updateAccessibility(&dogadjaj);
}

void PitanjeOkvir::Izaberi(int j)
{
    if (j >= 1 && j <= 3 && Label(j)->isEnabled())
        emit Kliknut(j);
}

void PitanjeOkvir::PostaviTekuci(int j)
{
    m_tekuci = std::clamp(j, 1, 3);
    OsveziOdgovore();
    if (hasFocus()) {
        QAccessibleEvent dogadjaj(Label(m_tekuci), QAccessible::Focus);
        QAccessible::updateAccessibility(&dogadjaj);
    }
}

void PitanjeOkvir::PostaviPitanje(const QString& tekst)
{
    Label(0)->setText(tekst);
    setAccessibleName(QStringLiteral("%1: %2").arg(title(), tekst));
}

void PitanjeOkvir::PostaviOdgovor(int j, const QString& tekst, bool tacan)
{
    Label(j)->setText(tekst);
    Image(j)->setPixmap(tacan ? Tacno() : Netacno());
    m_tacan[static_cast<std::size_t>(j)] = tacan;
    // Nothing tells a screen reader which answer is right before "Provera".
    if (m_provereno)
        Image(j)->setAccessibleName(tacan ? TacanOdgovor : NetacanOdgovor);
}

void PitanjeOkvir::Provera()
{
    m_provereno = true;
    for (int j = 1; j <= 3; ++j) {
        const QString ocena = m_tacan[static_cast<std::size_t>(j)] ? TacanOdgovor : NetacanOdgovor;
        Image(j)->setAccessibleName(ocena);
        Label(j)->setAccessibleDescription(ocena);
        Image(j)->setVisible(true);
    }
}

void PitanjeOkvir::Ocisti()
{
    m_provereno = false;
    m_izabran = 0;
    m_tekuci = 1;
    for (int j = 1; j <= 3; ++j) {
        m_tacan[static_cast<std::size_t>(j)] = false;
        Image(j)->setPixmap(QPixmap());
        Image(j)->setVisible(false);
        Image(j)->setAccessibleName(NeutralnaOznaka(j));
        Label(j)->setAccessibleDescription(QString());
        Izgled::Pozadina(Label(j), BojaNovogTesta);
        Label(j)->setEnabled(true);
    }
    OsveziOdgovore();
}

void PitanjeOkvir::OsveziOdgovore()
{
    for (int j = 1; j <= 3; ++j)
        Label(j)->update();
}

const QPixmap& PitanjeOkvir::Tacno()
{
    static const QPixmap slika(QStringLiteral(":/program/tacno.png"));
    return slika;
}

const QPixmap& PitanjeOkvir::Netacno()
{
    static const QPixmap slika(QStringLiteral(":/program/netacno.png"));
    return slika;
}

void PitanjeOkvir::StockSlike(QWidget* prozor)
{
    const QPixmap* slike[] = { &Tacno(), &Netacno() };
    for (int i = 1; i <= 2; ++i) {
        auto* slika = new QLabel(prozor);
        slika->setObjectName(QStringLiteral("Image0_%1").arg(i));
        slika->setGeometry(0, 0, 32, 32);
        slika->setPixmap(*slike[i - 1]);
        slika->hide();
    }
}

QColor PitanjeOkvir::Pozadina(const QLabel* label)
{
    return label->palette().color(QPalette::Active, QPalette::Window);
}

bool PitanjeOkvir::eventFilter(QObject* objekat, QEvent* dogadjaj)
{
    // A click: the left button pressed and released over the same enabled label.
    if (dogadjaj->type() == QEvent::MouseButtonRelease) {
        auto* mis = static_cast<QMouseEvent*>(dogadjaj);
        for (int i = 0; i <= 3; ++i) {
            QLabel* label = Label(i);
            if (objekat == label && mis->button() == Qt::LeftButton && label->isEnabled()
                && label->rect().contains(mis->position().toPoint())) {
                if (i > 0) {
                    m_tekuci = i;
                    OsveziOdgovore();
                    emit Kliknut(i);
                }
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(objekat, dogadjaj);
}

bool PitanjeOkvir::event(QEvent* dogadjaj)
{
    // The group box takes Space for its check box, which this frame has not; here Space
    // chooses an answer.
    if (dogadjaj->type() == QEvent::KeyPress || dogadjaj->type() == QEvent::KeyRelease) {
        auto* taster = static_cast<QKeyEvent*>(dogadjaj);
        if (taster->key() == Qt::Key_Space) {
            if (dogadjaj->type() == QEvent::KeyPress)
                keyPressEvent(taster);
            return true;
        }
    }
    return QGroupBox::event(dogadjaj);
}

void PitanjeOkvir::keyPressEvent(QKeyEvent* dogadjaj)
{
    const int taster = dogadjaj->key();
    const Qt::KeyboardModifiers ostali = dogadjaj->modifiers() & ~Qt::KeypadModifier;
    if (ostali != Qt::NoModifier) {
        QGroupBox::keyPressEvent(dogadjaj);
        return;
    }
    switch (taster) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        PostaviTekuci(m_tekuci - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        PostaviTekuci(m_tekuci + 1);
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        PostaviTekuci(taster - Qt::Key_0);
        Izaberi(m_tekuci);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Izaberi(m_tekuci);
        break;
    default:
        QGroupBox::keyPressEvent(dogadjaj);
        return;
    }
    dogadjaj->accept();
}

void PitanjeOkvir::paintEvent(QPaintEvent* dogadjaj)
{
    QGroupBox::paintEvent(dogadjaj);
    if (!hasFocus())
        return;
    QPainter p(this);
    QPen olovka(Izgled::BojaFokusa);
    olovka.setWidth(Izgled::DebljinaFokusa);
    olovka.setJoinStyle(Qt::MiterJoin);
    p.setPen(olovka);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PitanjeOkvir::focusInEvent(QFocusEvent* dogadjaj)
{
    QGroupBox::focusInEvent(dogadjaj);
    update();
    OsveziOdgovore();
}

void PitanjeOkvir::focusOutEvent(QFocusEvent* dogadjaj)
{
    QGroupBox::focusOutEvent(dogadjaj);
    update();
    OsveziOdgovore();
}
