#pragma once
// The road every calculation window shares once its data are calculated: the
// print of the window, the calculator beside it, and "&Menú Principal" back to
// the main window, which closes the window.

#include "conductor.h"

inline void ImprimirLlamarCalculadoraYVolver(
    Grabadora& grabadora, QWidget* menu, QPointer<QWidget> w, const QString& clase)
{
    grabadora.impresas.clear();
    PulsarRol(w, Rol::Imprimir);
    ASSERT_EQ(grabadora.impresas.size(), 1u);
    EXPECT_EQ(grabadora.impresas[0], w.data());

    PulsarRol(w, Rol::Calculadora);
    QWidget* calculadora = VentanaAbierta("frmCalculadora");
    ASSERT_NE(calculadora, nullptr);
    EXPECT_TRUE(calculadora->isVisible());
    EXPECT_TRUE(w->isVisible()) << "the calculator leaves the window open";

    PulsarRol(w, Rol::MenuPrincipal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull()) << "the window is closed, not hidden";
    EXPECT_EQ(VentanaAbierta(clase), nullptr);
    EXPECT_EQ(VentanaAbierta("menuprin"), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(QApplication::activeWindow(), menu);
    EXPECT_TRUE(grabadora.mensajes.empty()) << grabadora.ultimoMensaje().toStdString();
}
