# The seven scale paragraph files and the extreme-truthfulness notice, converted beside the program.
tarvos_text_files(tarvos_paragraph_files
    data/report/TRVV3VA.txt TRVV3VA.TXT
    data/report/TRVV3AL.txt TRVV3AL.TXT
    data/report/TRVV3DG.txt TRVV3DG.TXT
    data/report/TRVV3VI.txt TRVV3VI.TXT
    data/report/TRVV3AS.txt TRVV3AS.TXT
    data/report/TRVV3AG.txt TRVV3AG.TXT
    data/report/TRVV3SC.txt TRVV3SC.TXT
    data/report/INVAL.txt INVAL.TXT)
