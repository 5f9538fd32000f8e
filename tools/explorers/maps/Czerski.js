// Czerski's Siberia: exile in Omsk, the Baikal surveys and the last
// expedition to the Kolyma.
export default {
  title: 'Jan Czerski',
  subtitle: '1845–1892',
  projection: {
    type: 'conicConformal',
    rotate: [-115, 0],
    parallels: [52, 68],
    fit: [[70, 50.5], [163, 50.5], [70, 68], [163, 70]],
  },
  mapHeight: 350,
  pad: 6,
  routes: [
    { color: '#7f8c8d', dashed: true, width: 2.6, points: [[60, 56.8], [66, 56.2], [73.37, 54.99]] },
    { color: '#8a6d3b', width: 2.6, points: [[73.37, 54.99], [84, 55.2], [93, 56], [100, 54.5], [104.28, 52.29]], arrows: [2] },
    {
      color: '#1f5fa8',
      dashed: true,
      points: [[104.28, 52.29], [104.8, 51.85], [106.5, 52.3], [108.3, 53.2], [109.5, 55.0], [109.2, 55.7], [108, 54.9], [107, 53.6], [105.6, 52.6], [104.3, 51.6], [103.6, 51.5]],
    },
    {
      color: '#c0392b',
      points: [
        [104.28, 52.29], [106, 55], [108, 57.5], [113, 59.5], [120, 60.5], [125, 61], [129.73, 62.03], [134, 63],
        [138, 64], [142, 65.5], [145.5, 66.2], [148.5, 65.8], [150.9, 65.8], [153.7, 67.45], [157, 68.4], [158.8, 68.6],
      ],
      arrows: [4, 9, 13],
    },
    { color: '#c0392b', dashed: true, points: [[158.8, 68.6], [160.9, 68.5]] },
  ],
  places: [
    { name: 'Omsk', at: [73.37, 54.99], pos: 's' },
    { name: 'Irkuck', at: [104.28, 52.29], pos: 'sw' },
    { name: 'Jakuck', at: [129.73, 62.03], pos: 'se' },
    { name: 'Wierchniekołymsk', at: [150.9, 65.8], pos: 'sw' },
    { name: 'ujście Omołonu\n(† 25 VI 1892)', at: [158.8, 68.6], pos: 'se', kind: 'star' },
    { name: 'Niżniekołymsk', at: [160.9, 68.5], pos: 'ne' },
    { name: 'Góry Czerskiego', at: [146, 63.3], kind: 'area' },
    { name: 'Syberia', at: [95, 63], kind: 'area' },
  ],
  seaLabels: [
    { name: 'Bajkał', at: [109.5, 52.2], size: 10 },
    { name: 'Ocean Arktyczny', at: [128, 73.3], size: 12 },
  ],
  legend: [
    { color: '#7f8c8d', dashed: true, text: 'z Wilna na zesłanie do Omska (1864)' },
    { color: '#8a6d3b', text: 'z Omska do Irkucka (1871)' },
    { color: '#1f5fa8', dashed: true, text: 'badania wybrzeży Bajkału (1877–1881)' },
    { color: '#c0392b', text: 'ostatnia wyprawa na Kołymę (1891–1892)' },
    { text: 'Trasy są przybliżone.' },
  ],
};
