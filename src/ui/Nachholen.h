#pragma once

#include <functional>
#include <utility>
#include <vector>

// What is to happen to a window that is made on first use: done at once when the window exists,
// otherwise kept and done in the same order when it is made, so the window ends up as if it had
// been there all along.
template <class Fenster> class Nachholen {
public:
    void tun(Fenster* fenster, std::function<void(Fenster&)> schritt) {
        if (fenster) {
            schritt(*fenster);
        } else {
            m_schritte.push_back(std::move(schritt));
        }
    }

    void nachholen(Fenster& fenster) {
        for (const std::function<void(Fenster&)>& schritt : std::exchange(m_schritte, {})) {
            schritt(fenster);
        }
    }

private:
    std::vector<std::function<void(Fenster&)>> m_schritte;
};
