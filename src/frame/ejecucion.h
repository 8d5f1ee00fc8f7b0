#pragma once
// What a run keeps beyond a window's closing: the values a window keeps in its
// own fields until the program ends (such as the seepage window's losses per
// formula), while its controls start afresh at each opening.
//
// One slot per type: a window keeps its values in a type of its own, so no
// window reaches another's. The one object of the run is owned by the window
// registry (ValoresDeLaEjecucion in frame/ventanas.h), which also forgets it
// when the run is put back as it started.

#include <memory>
#include <typeindex>
#include <unordered_map>

namespace quelmora {

class ValoresDeEjecucion {
public:
    // The run's one T, value-initialised the first time it is asked for.
    template <class T> T& De()
    {
        std::shared_ptr<void>& valor = valores_[std::type_index(typeid(T))];
        if (!valor)
            valor = std::make_shared<T>();
        return *static_cast<T*>(valor.get());
    }

    // Every slot back to its first state.
    void Olvidar() { valores_.clear(); }

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> valores_;
};

} // namespace quelmora
