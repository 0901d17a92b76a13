#pragma once
// A platform layer is a small abstract class for one thing the program gets from its surroundings
// (today's date, the settings file, the mounted volumes, the keyboard, other running copies). The
// program reaches it only through a process-wide accessor, `Program<Layer>()`, which gives the real
// implementation unless a test installed another with `SetProgram<Layer>(std::unique_ptr<Layer>)`;
// installing nullptr puts the real one back. The interface lives in the core when core code calls it
// (it then stays plain C++), otherwise in src/platform beside its real implementation; fakes live in
// tests/support. A layer whose objects the program creates itself, with arguments and a Qt parent,
// installs a factory function instead of an object.
#include <memory>

// Holds the installed implementation of `Layer`; makes a `Real` on first use when none is installed.
// Installing happens in test set-up, before the code under test runs, so no locking.
template <class Layer, class Real> class LayerSlot {
public:
    Layer& Get() {
        if (!m_layer)
            m_layer = std::make_unique<Real>();
        return *m_layer;
    }
    void Set(std::unique_ptr<Layer> layer) { m_layer = std::move(layer); }

private:
    std::unique_ptr<Layer> m_layer;
};
