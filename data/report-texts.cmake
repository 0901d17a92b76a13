# The report texts: scale and range names, significant-item lines, section-3 answer lines.
tarvos_text_files(tarvos_report_texts data/report/TRVV3RPT.txt TRVV3RPT.TXT)
