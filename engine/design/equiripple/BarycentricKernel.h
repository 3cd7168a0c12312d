#pragma once

#include <cstddef>

namespace equiripple {

// Points handled together, their running values kept in registers.
constexpr size_t kLanes = 16;

// The running values of kLanes points x over m nodes x_k with coefficients c_k:
// l(x) = prod (x - x_k) as product 2^exponent (product in [0.5, 1) in size), the sum of
// c_k / (x - x_k) and the sum of the sizes of its terms. A point equal to a node gets an
// infinite or undefined sum.
struct CLaneSums {
    double product[kLanes];
    double sum[kLanes];
    double size[kLanes];
    int exponent[kLanes];
};

CLaneSums SumOverNodes(const double* x, const double* nodes, const double* c, size_t m);

// prod over the nodes x_j other than x_i of (x_i - x_j), for kLanes points x, as
// product 2^exponent (product in [0.5, 1) in size): the reciprocal barycentric weights
// when the points are nodes themselves.
void ProductsOfDifferences(const double* x, const double* nodes, size_t m, double* product, int* exponent);

}  // namespace equiripple
