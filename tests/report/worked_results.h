// Results records of worked examples for the report tests: the default input of each slab type
// (C30, HRB335 25 mm x 14, I类环境, 3.5 m clear span, 3.8 m calculation span, 108/113 cm slab, b 0.99 m),
// with the loads, forces and section values worked out by hand in single precision.
#pragma once

#include "calc/calculation_results.h"

namespace tavrel::test {

// Snapshot and table values shared by the three slab types.
inline CalculationResults defaultSnapshot() {
    CalculationResults r;
    r.loadLevel = "公路-I级";
    r.concreteGrade = "C30";
    r.barGrade = "HRB335";
    r.envClass = "I类环境";
    r.H = 22;
    r.L0 = 3.5f;
    r.L = 3.8f;
    r.Lseat = 0.3f;
    r.d1 = 108;
    r.d2 = 113;
    r.b = 0.99f;
    r.c = 3;
    r.dBar = 25;
    r.nBars = 14;
    r.fcd = 13.8f;
    r.ftd = 1.39f;
    r.gammaSlab = 25;
    r.gammaSoil = 18;
    r.H1 = 8;
    r.H2 = 9;
    r.gammaPave = 25;
    r.gammaSurf = 23;
    r.qK = 10;
    r.qKc = 2;
    r.PK = 10;
    r.dOut = 27;
    r.aBar = 4.909f;
    r.fsd = 280;
    r.xiB = 0.56f;
    r.C1 = 1.0f;
    r.Es = 200000;
    r.C2 = 1.5f;
    r.C3 = 1.15f;
    r.Wlim = 0.2f;
    // Section values that do not depend on the loads.
    r.g = 27.34875f;
    r.h0 = 1.0365f;
    r.As = 0.0068726f;
    r.x = 0.1408526f;
    r.Mu = 1859.043f;
    r.Vc = 891.4548f;
    r.rhoPct = 0.6697559f;
    r.rho = 0.006697559f;
    // The stirrup dialog's values at its first opening: R235, 10 mm, 10 cm.
    r.stirrupGrade = "R235";
    r.dSv = 10;
    r.sv = 10;
    return r;
}

// Buried culvert under 22 m of fill: the whole vehicle (550 kN) spread wider than the span.
inline CalculationResults buriedWorkedExample() {
    CalculationResults r = defaultSnapshot();
    r.isBuried = true;
    r.q = 392.04f;
    r.M1 = 756.9967f;
    r.V1 = 733.9304f;
    r.La = 38.4034f;
    r.Lb = 27.8034f;
    r.P = 550;
    r.p = 0.5151042f;
    r.M2 = 0.9297631f;
    r.V2 = 0.9014324f;
    r.gamma0Md = 818.728f;
    r.gamma0Vd = 793.7806f;
    r.x0 = 0.0749836f;
    r.As0 = 0.003658664f;
    r.sigmaSs = 132.1083f;
    r.Wfk = 0.1806146f;
    return r;
}

// Open culvert: one 70 kN wheel on 0.2 x 0.6 m with the impact factor 1.3.
inline CalculationResults openWorkedExample() {
    CalculationResults r = defaultSnapshot();
    r.isOpen = true;
    r.q = 4.0293f;
    r.M1 = 56.63738f;
    r.V1 = 54.91159f;
    r.La = 0.2f;
    r.Lb = 0.6f;
    r.P = 70;
    r.p = 758.3333f;
    r.M2 = 140.2917f;
    r.V2 = 147.3333f;
    r.gamma0Md = 237.9359f;
    r.gamma0Vd = 244.9445f;
    r.x0 = 0.02122047f;
    r.As0 = 0.001035407f;
    r.sigmaSs = 38.39285f;
    r.Wfk = 0.05248959f;
    return r;
}

// Custom load: 10 kN/m over 2 m and 10 kN at midspan.
inline CalculationResults customWorkedExample() {
    CalculationResults r = defaultSnapshot();
    r.isCustom = true;
    r.M1 = 14;
    r.V1 = 14.28571f;
    r.M2 = 9.5f;
    r.V2 = 5;
    r.M3 = 49.36449f;
    r.V3 = 47.86031f;
    r.gamma0Md = 78.69366f;
    r.gamma0Vd = 72.51771f;
    r.x0 = 0.006969937f;
    r.As0 = 0.0003400831f;
    r.sigmaSs = 12.69785f;
    r.Wfk = 0.01736013f;
    return r;
}

// The buried example with a design shear above the 5.2.10 bound and the stirrup dialog's results for
// R235 10 mm stirrups at 10 cm (Vcs 1024.50 kN).
inline CalculationResults buriedWithStirrups() {
    CalculationResults r = buriedWorkedExample();
    r.gamma0Vd = 950;
    r.Asv = 0.000157f;
    r.rhoSv = 0.001585859f;
    r.fcuk = 30;
    r.fsv = 195;
    r.Vcs = 1024.502f;
    return r;
}

// The stirrup example with failing values: compression zone height, steel area, flexural and stirrup
// capacity, and crack width.
inline CalculationResults failingEveryCheck() {
    CalculationResults r = buriedWithStirrups();
    r.x = 0.6f;
    r.Mu = 800;
    r.Vcs = 900;
    r.Wfk = 0.25f;
    r.As = 0.0015f;
    return r;
}

}  // namespace tavrel::test
