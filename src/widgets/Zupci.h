#pragma once

// Wheel rotation in eighths of a degree (as QWheelEvent::angleDelta) added up into whole
// notches of 120. Fine-grained wheels and touchpads send less than a notch at a time: the
// rest waits for the next turn, and a turn the other way drops it.
class Zupci {
public:
    static constexpr int Zubac = 120;

    // The whole notches completed by this turn, positive away from the user.
    int Dodaj(int ugao)
    {
        if ((m_ostatak > 0 && ugao < 0) || (m_ostatak < 0 && ugao > 0))
            m_ostatak = 0;
        m_ostatak += ugao;
        const int zupci = m_ostatak / Zubac;
        m_ostatak -= zupci * Zubac;
        return zupci;
    }
    int Ostatak() const { return m_ostatak; }

private:
    int m_ostatak = 0;
};
