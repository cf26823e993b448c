$ Number of Materials
3  
$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name
1   2.625e+007 1.490e+006 1.040e+006 0.280  1.100e-008  1.250e-005  0.0000  0.6000 T300/5208 Carbon/Epoxy
2   5.600e+006 1.200e+006 6.000e+005 0.260  4.800e-006  1.220e-005  0.0000  0.6000 Scotchply 1002 E-Glass/Epoxy
3   1.100e+007 8.000e+005 3.300e+005 0.340 -2.200e-006  4.390e-005  0.0000  0.6000 Kevlar 49/Epoxy
$ Total Number of Layers
10 
$ Layer #, Material #, Angle, Thickness
1    1    0.0  5.500e-003
2    3   45.0  5.500e-003
3    3  -45.0  5.500e-003
4    2   90.0  5.500e-003
5    1    0.0  5.500e-003
6    1    0.0  5.500e-003
7    2   90.0  5.500e-003
8    3  -45.0  5.500e-003
9    3   45.0  5.500e-003
10   1    0.0  5.500e-003
$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures
1
$ Forces/Moments or Strains/Curvatures
 2.000e+003  5.000e+002  1.500e+002  5.000e+000  0.000e+000  0.000e+000 
$ Temperature Load, Moisture Load
     0.000       0.00
$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S
1    2.176e+005 -2.176e+005  5.800e+003 -3.570e+004  9.860e+003
2    1.540e+005 -8.850e+004  4.500e+003 -1.710e+004  1.040e+004
3    2.030e+005 -3.410e+004  1.740e+003 -7.690e+003  4.930e+003
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
1 1
$ Display Ply Failure Analysis: 0=false, 1=true
1
$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true
0
