$ Number of Materials
1  
$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name
1   2.625e+007 1.490e+006 1.040e+006 0.280  1.100e-008  1.250e-005  0.0000  0.6000 T300/5208 Carbon/Epoxy
$ Total Number of Layers
16 
$ Layer #, Material #, Angle, Thickness
1    1    0.0  5.200e-003
2    1   45.0  5.200e-003
3    1  -45.0  5.200e-003
4    1   90.0  5.200e-003
5    1    0.0  5.200e-003
6    1   45.0  5.200e-003
7    1  -45.0  5.200e-003
8    1   90.0  5.200e-003
9    1   90.0  5.200e-003
10   1  -45.0  5.200e-003
11   1   45.0  5.200e-003
12   1    0.0  5.200e-003
13   1   90.0  5.200e-003
14   1  -45.0  5.200e-003
15   1   45.0  5.200e-003
16   1    0.0  5.200e-003
$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures
1
$ Forces/Moments or Strains/Curvatures
 0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000 
$ Temperature Load, Moisture Load
  -280.000       0.00
$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S
1    2.176e+005 -2.176e+005  5.800e+003 -3.570e+004  9.860e+003
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
1
