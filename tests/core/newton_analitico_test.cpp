#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hydraulics/newton_analitico.h"

using namespace quelmora;

namespace {

namespace {

// A residual that returns a scripted sequence, one value per evaluation.
struct Guion {
    std::vector<double> valores;
    size_t siguiente = 0;
    double operator()(double) { return valores.at(siguiente++); }
};

} // namespace

TEST(NewtonAnalitico, FindsTheSquareRootOfTwo)
{
    double x = 0;
    auto r = NewtonAnalitico(
        1.0, [&](double v) { return (x = v) * v - 2.0; }, [&] { return 2.0 * x; });
    EXPECT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_NEAR(r.x, std::sqrt(2.0), 1e-4);
    EXPECT_LT(std::fabs(r.x * r.x - 2.0), 0.0001);
}

TEST(NewtonAnalitico, StepsOnceEvenWhenTheStartAlreadyMeetsTheTolerance)
{
    // f = x with a derivative of 2 halves x each pass: from 0.00005 one pass
    // gives 0.000025, not the start value.
    double x = 0;
    auto r = NewtonAnalitico(
        0.00005, [&](double v) { return x = v; }, [] { return 2.0; });
    EXPECT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_EQ(r.pasos, 1);
    EXPECT_DOUBLE_EQ(r.x, 0.000025);
}

TEST(NewtonAnalitico, AResidualOfExactlyTheToleranceTakesAnotherStep)
{
    Guion guion { { 1.0, 0.0001, 0.00005 } };
    auto r = NewtonAnalitico(1.0, guion, [] { return 1.0; });
    EXPECT_EQ(r.estado, EstadoNewton::Convergio);
    EXPECT_EQ(r.pasos, 2);
}

TEST(NewtonAnalitico, StopsAtThePassLimitWhenThereIsNoRoot)
{
    // A residual stuck at 1: every pass moves x by 1 and meets nothing.
    auto r = NewtonAnalitico(
        1.0, [](double) { return 1.0; }, [] { return 1.0; });
    EXPECT_EQ(r.estado, EstadoNewton::LimitePasos);
    EXPECT_EQ(r.pasos, 500);
}

TEST(NewtonAnalitico, AZeroDerivativeIsANumericFailure)
{
    auto r = NewtonAnalitico(
        0.0, [](double v) { return v * v - 1.0; }, [] { return 0.0; });
    EXPECT_EQ(r.estado, EstadoNewton::FalloNumerico);
}

TEST(NewtonAnalitico, ANonFiniteResidualIsANumericFailure)
{
    auto r = NewtonAnalitico(
        4.0, [](double v) { return std::sqrt(v) - 3.0 - 10.0; }, [] { return 0.01; });
    EXPECT_EQ(r.estado, EstadoNewton::FalloNumerico);
}

TEST(NewtonAnalitico, TheCallerCanRefuseANewValueBeforeItIsEvaluated)
{
    int evaluaciones = 0;
    auto r = NewtonAnalitico(
        1.0,
        [&](double v) {
            ++evaluaciones;
            return v + 1.0;
        },
        [] { return 1.0; }, SeguirNewtonAnalitico, [](double v) { return v < 0.0; });
    EXPECT_EQ(r.estado, EstadoNewton::Detenido);
    EXPECT_DOUBLE_EQ(r.x, -1.0);
    EXPECT_EQ(evaluaciones, 1);
}

} // namespace
