$ Number of Materials
1  
$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name
1   2.000e+007 1.300e+006 1.030e+006 0.300 -3.000e-007  1.560e-005  0.0000  0.4400 AS4/3501-6 Carbon/Epoxy
$ Total Number of Layers
8  
$ Layer #, Material #, Angle, Thickness
1    1    0.0  5.500e-003
2    1   90.0  5.500e-003
3    1    0.0  5.500e-003
4    1   90.0  5.500e-003
5    1   90.0  5.500e-003
6    1    0.0  5.500e-003
7    1   90.0  5.500e-003
8    1    0.0  5.500e-003
$ Strains/Curvatures: eX, eY, gXY, kX, kY, kXY
2
 2.000e-003 -5.000e-004  0.000e+000  1.000e-001  0.000e+000  0.000e+000 
$ Temperature Load, Moisture Load
     0.000       0.80
$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S
1    3.000e+005 -2.600e+005  8.000e+003 -2.900e+004  1.100e+004
$ Analysis Options
$ Display Apparent Properites: 0=false, 1=true
1
$ Display Laminate ABD Matrix: 0=false, 1=true
1
$ Display Layer Matrices: 0=false, 1=true
0
$ Display Laminate Load and Strain Vectors: 0=false, 1=true
1
$ Display Ply Stresses and Strains:
$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains
1 2
$ Display Ply Failure Analysis: 0=false, 1=true
1
$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true
0
