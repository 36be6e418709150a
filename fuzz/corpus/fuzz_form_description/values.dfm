object F: TF
  A = 'it''s'#33
  C = [fsBold, fsItalic]
  D = -7
end
