#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "analysis/field_source.h"
#include "materials/material_files.h"

namespace norvexa::capacity {

// The engine's N, N·mm, mm and strains in the units shown: kN, kNm, cm and ‰.
inline constexpr double N_per_kN = 1e3, Nmm_per_kNm = 1e6, mm_per_cm = 10, per_mille = 1e3;

// The design code a verification follows.
enum class Code { dm96, ntc2018 };

// A rectangle of concrete: its top and bottom depth below the top fibre and its width, mm.
struct Band {
    double top, bottom, width;
};
// A bar layer: its area, mm², and its depth below the top fibre, mm.
struct Layer {
    double area, depth;
};
// The section as the capacity sees it: the rectangle, or the flange above the web of a T,
// and the layers of bars, which do not displace concrete.
struct Section {
    std::vector<Band> bands;
    std::vector<Layer> layers;

    double height() const;
    double area() const;      // of the gross concrete, mm²
    double centroid() const;  // depth of the gross concrete's centroid, mm
    double web_width() const; // the narrowest band: the web of a T, the width of a rectangle
};

// The section of the input form (sizes in cm, areas in cm²), or the message that refuses it.
std::variant<Section, std::string> section_from_form(const FieldSource& form);

// Parabola-rectangle concrete without tension: σ = fcd · (1 − (1 − ε/εc2)^n) up to εc2,
// fcd beyond, up to εcu. Stresses N/mm², strains as pure numbers (0,0035, not 3,5 ‰).
struct ConcreteLaw {
    double fcd, eps_c2, eps_cu, n;
};
// Elastic–perfectly plastic steel, alike in tension and compression, up to eps_ud.
struct SteelLaw {
    double fyd, Es, eps_ud;
};
struct Materials {
    ConcreteLaw concrete;
    SteelLaw steel;
};

// The design laws of the two materials under the code, or the message naming the material
// and the value it lacks.
std::variant<Materials, std::string> design_materials(Code code, const Materiale& concrete, const Materiale& steel);

// A strain plane: the strains of the top and bottom fibres, compression positive.
struct Plane {
    double eps_top, eps_bottom;
};
// The resultant of a plane: N in N (compression positive) and M in N·mm about the gross
// concrete's centroid, positive when the bottom fibre is stretched.
struct Forces {
    double N, M;
};
// Exact: the concrete law integrated in closed form over each band, no strips.
Forces integrate(const Section& section, const Materials& materials, const Plane& plane);

enum class Sign { sagging, hogging };  // the bottom stretched, or the top

// The ultimate plane where the section resists NEd with the largest moment of that sign.
struct Capacity {
    double MRd = 0;              // N·mm, of the sign asked for (negative when hogging), or of
                                 // the other one near pure compression, where the section is
                                 // not symmetric
    bool neutral_axis = false;   // whether the neutral axis crosses the section
    double x = 0;                // its depth from the most compressed fibre, mm, when it does
    Plane plane{};
    double eps_c = 0;            // strain of the most compressed fibre
    std::vector<double> eps_s;   // of each layer, in the section's order
    std::vector<double> sigma_s; // N/mm², compression positive
};

// The most stretched layer at a capacity's plane and its strain (compression positive); a
// section has at least one layer.
std::size_t most_stretched_layer(const Capacity& capacity);
double most_stretched_strain(const Capacity& capacity);

double NRd_max(const Section& section, const Materials& materials);  // pure compression, N
double NRd_min(const Section& section, const Materials& materials);  // pure tension, N (negative)

// How near the axial force of a plane found for a given N comes to it, N.
inline constexpr double force_tolerance = 0.01;

// MRd(NEd) of that sign, to within force_tolerance of NEd; none when NEd lies outside
// [NRd_min, NRd_max] ("fuori dominio"). The section is one section_from_form makes: a
// layer with steel, every layer strictly inside its height.
std::optional<Capacity> capacity_at(const Section& section, const Materials& materials, double NEd, Sign sign);

// The domain as a closed polygon of (N, M) points, at least 100 a sign, denser where it bends:
// from pure tension along the sagging side to pure compression, then back along the hogging
// side; the last point joins the first.
struct DomainPoint {
    double N, M;
};
std::vector<DomainPoint> domain(const Section& section, const Materials& materials);

// Moment against curvature under a fixed N, from zero to the ultimate plane.
struct CurvaturePoint {
    double chi;  // 1/mm
    double M;    // N·mm, negative when hogging
};
struct MomentCurvature {
    std::vector<CurvaturePoint> points;  // equal steps of curvature, and the yield among them
    CurvaturePoint yield;     // the first layer stretched to fyd / Es; the ultimate point when
                              // none is before it
    CurvaturePoint ultimate;
    double ductility;         // χu / χy
};
// That many points at equal steps from zero to the ultimate curvature. None when N lies
// outside the domain or at its ends, where the section cannot bend.
std::optional<MomentCurvature> moment_curvature(const Section& section, const Materials& materials, double N,
                                                Sign sign, int points = 100);

// What a combination is verified for: the ultimate limit state, or one of the service
// combinations (characteristic, frequent, quasi-permanent).
enum class Kind { ultimate, characteristic, frequent, quasi_permanent };

// One load combination: NEd kN (compression positive), MEd kNm (positive stretches the
// bottom), VEd kN when given (an ultimate row's shear).
struct Combination {
    std::string name;
    double NEd = 0, MEd = 0;
    std::optional<double> VEd;
    Kind kind = Kind::ultimate;

    bool operator==(const Combination&) const = default;
};
// A combination's verification.
struct CombinationResult {
    std::optional<Capacity> capacity;  // none outside the domain: NEd outside [NRd_min, NRd_max],
                                       // or next to pure compression where the section resists
                                       // no moment of MEd's sign (MEd = 0 counts as sagging)
    double ratio = 0;                  // |MEd| / |MRd(NEd)|
    bool verified = false;
    std::string message;               // "fuori dominio", or empty
};
CombinationResult verify(const Section& section, const Materials& materials, const Combination& combination);

// The exposure of the service checks, which sets the crack width limits.
enum class Environment { ordinary, aggressive, very_aggressive };

// What the service checks take beside the section and the materials: the homogenisation
// coefficient, kt of the crack width, and for layer k a typed bar diameter (mm) and clear
// cover (cm) in place of the largest bar of its list and of the cover its depth leaves.
struct ServiceSettings {
    Environment environment = Environment::ordinary;
    double n = 15, kt = 0.4;
    std::array<std::optional<double>, 4> diameter, cover;

    bool operator==(const ServiceSettings&) const = default;
};

// What a project keeps of the verification with axial force: the code, the rows, the
// strut inclination of the NTC 2018 shear (none: the balanced one) and the service
// settings.
struct CombinationSet {
    Code code = Code::ntc2018;
    std::vector<Combination> rows;
    std::optional<double> cot_theta;
    ServiceSettings service;

    bool operator==(const CombinationSet&) const = default;
};

}  // namespace norvexa::capacity
