%IDC_A = 1001
%IDC_L = 2
Function KvMain()
%IDC_C = 3
